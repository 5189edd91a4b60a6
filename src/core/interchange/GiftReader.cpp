#include "core/interchange/GiftReader.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "core/interchange/InterchangeText.h"

namespace tavrin::interchange {
namespace {

constexpr std::string_view kMissingWordBlank = "_____";

// Position of the first `target` at or after `from` that is not escaped by a
// backslash; npos when there is none.
std::size_t FindUnescaped(std::string_view text, std::string_view target, std::size_t from = 0) {
    for (std::size_t pos = from; pos < text.size(); ++pos) {
        if (text[pos] == '\\') {
            ++pos;
            continue;
        }
        if (text.compare(pos, target.size(), target) == 0)
            return pos;
    }
    return std::string_view::npos;
}

std::string Unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const char next = pos + 1 < text.size() ? text[pos + 1] : '\0';
        if (text[pos] == '\\' && next != '\0' &&
            std::string_view("~=#{}:\\n").find(next) != std::string_view::npos) {
            ++pos;
            out += next == 'n' ? '\n' : next;
            continue;
        }
        out += text[pos];
    }
    return out;
}

bool HasHtmlTag(std::string_view text) {
    for (std::size_t pos = text.find('<'); pos != std::string_view::npos;
         pos = text.find('<', pos + 1)) {
        if (pos + 1 < text.size() &&
            (std::isalpha(static_cast<unsigned char>(text[pos + 1])) || text[pos + 1] == '/') &&
            text.find('>', pos) != std::string_view::npos)
            return true;
    }
    return false;
}

enum class TextFormat { Auto, Html, Markdown, Plain };

// The text of a part of a question, in the question's format, as plain text.
std::string PlainText(std::string_view raw, TextFormat format) {
    const std::string text = Unescape(Trim(raw));
    switch (format) {
    case TextFormat::Html:
        return HtmlToPlain(text);
    case TextFormat::Markdown:
        return TidyLines(MarkdownToPlain(text));
    case TextFormat::Plain:
        return TidyLines(text);
    case TextFormat::Auto:
        break;
    }
    return HasHtmlTag(text) ? HtmlToPlain(text) : TidyLines(DecodeEntities(text));
}

// "text#feedback": the part before the first unescaped '#' and the part after.
std::pair<std::string_view, std::string_view> SplitFeedback(std::string_view piece) {
    const std::size_t hash = FindUnescaped(piece, "#");
    if (hash == std::string_view::npos)
        return {piece, {}};
    return {piece.substr(0, hash), piece.substr(hash + 1)};
}

// An answer's marker (= or ~), weight and text, split from its piece.
struct AnswerPiece {
    char marker = '=';
    std::optional<double> weight;
    std::string_view body;
    bool badWeight = false;
};

std::vector<AnswerPiece> SplitAnswers(std::string_view part) {
    std::vector<AnswerPiece> pieces;
    std::size_t pos = 0;
    while (true) {
        const std::size_t eq = FindUnescaped(part, "=", pos);
        const std::size_t tilde = FindUnescaped(part, "~", pos);
        const std::size_t start = std::min(eq, tilde);
        if (start == std::string_view::npos)
            break;
        if (!pieces.empty())
            pieces.back().body = part.substr(pos, start - pos);
        AnswerPiece piece;
        piece.marker = part[start];
        pos = start + 1;
        std::string_view rest = part.substr(pos);
        const std::size_t lead = rest.find_first_not_of(" \t\r\n");
        if (lead != std::string_view::npos && rest[lead] == '%') {
            const std::size_t close = rest.find('%', lead + 1);
            const auto weight = close == std::string_view::npos
                                    ? std::nullopt
                                    : ParseNumber(rest.substr(lead + 1, close - lead - 1));
            piece.weight = weight;
            piece.badWeight = !weight;
            if (weight)
                pos += close + 1;
        }
        pieces.push_back(piece);
    }
    if (!pieces.empty())
        pieces.back().body = part.substr(pos);
    return pieces;
}

// A question's lines in the file, comment lines included: the blocks are
// found first, so the questions can be reserved at once rather than moved
// about as their list grows.
struct Block {
    std::size_t line = 0;
    std::string_view source;
};

bool IsComment(std::string_view trimmedLine) {
    return trimmedLine.substr(0, 2) == "//";
}

// Questions are separated by blank lines; "//" lines are comments.
std::vector<Block> SplitBlocks(std::string_view text) {
    std::vector<Block> blocks;
    std::size_t lineNumber = 0;
    std::size_t start = 0;
    std::optional<std::size_t> blockStart;
    std::size_t blockEnd = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        ++lineNumber;
        const std::string_view trimmed = Trim(text.substr(start, end - start));
        if (trimmed.empty()) {
            if (blockStart)
                blocks.back().source = text.substr(*blockStart, blockEnd - *blockStart);
            blockStart.reset();
        } else if (!IsComment(trimmed)) {
            if (!blockStart) {
                blockStart = start;
                blocks.push_back(Block{lineNumber, {}});
            }
            blockEnd = end;
        }
        start = end + 1;
    }
    if (blockStart)
        blocks.back().source = text.substr(*blockStart, blockEnd - *blockStart);
    return blocks;
}

// The block's text without its comment lines, each line ended by '\n', in
// `out`: one buffer serves every block.
void BlockText(std::string_view source, std::string& out) {
    out.clear();
    std::size_t start = 0;
    while (start <= source.size()) {
        std::size_t end = source.find('\n', start);
        if (end == std::string_view::npos)
            end = source.size();
        const std::string_view line = source.substr(start, end - start);
        if (!IsComment(Trim(line))) {
            out.append(line);
            out += '\n';
        }
        start = end + 1;
    }
}

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

void ReadTrueFalse(Question& q, std::string_view part, TextFormat format) {
    q.type = QuestionType::TrueFalse;
    const std::size_t hash = FindUnescaped(part, "#");
    const bool isTrue = Upper(Trim(part.substr(0, hash)))[0] == 'T';
    q.answers = {Answer{"True", isTrue ? 100.0 : 0.0, {}, 0},
                 Answer{"False", isTrue ? 0.0 : 100.0, {}, 0}};
    if (hash != std::string_view::npos)
        q.answers[isTrue ? 1 : 0].feedback = PlainText(part.substr(hash + 1), format);
}

void ReadNumerical(Question& q, std::string_view part, TextFormat format) {
    q.type = QuestionType::Numerical;
    part = Trim(part.substr(1));
    std::vector<AnswerPiece> pieces = SplitAnswers(part);
    if (pieces.empty())
        pieces.push_back(AnswerPiece{'=', std::nullopt, part, false});
    for (const auto& piece : pieces) {
        const auto [body, feedback] = SplitFeedback(piece.body);
        const std::string value = Unescape(Trim(body));
        Answer answer;
        answer.credit = piece.weight.value_or(100);
        answer.feedback = PlainText(feedback, format);
        const std::size_t colon = value.find(':');
        const std::size_t range = value.find("..");
        std::optional<double> number;
        if (colon != std::string::npos) {
            number = ParseNumber(value.substr(0, colon));
            const auto tolerance = ParseNumber(value.substr(colon + 1));
            if (!tolerance)
                number.reset();
            answer.tolerance = tolerance.value_or(0);
        } else if (range != std::string::npos) {
            const auto low = ParseNumber(value.substr(0, range));
            const auto high = ParseNumber(value.substr(range + 2));
            if (low && high) {
                number = (*low + *high) / 2;
                answer.tolerance = (*high - *low) / 2;
            }
        } else {
            number = ParseNumber(value);
        }
        if (!number || piece.badWeight) {
            q.problem = "\"" + value + "\" is not a number";
            return;
        }
        answer.text = colon == std::string::npos && range == std::string::npos
                          ? std::string(Trim(value))
                          : FormatNumber(*number);
        q.answers.push_back(std::move(answer));
    }
}

void ReadChoices(Question& q, std::string_view part, TextFormat format) {
    const std::vector<AnswerPiece> pieces = SplitAnswers(part);
    const std::size_t first = std::min(FindUnescaped(part, "="), FindUnescaped(part, "~"));
    if (pieces.empty() || !Trim(part.substr(0, first)).empty()) {
        q.problem = "the answers in braces must each start with = or ~";
        return;
    }
    const bool matching = FindUnescaped(part, "->") != std::string_view::npos;
    const bool hasWrong = std::any_of(pieces.begin(), pieces.end(),
                                      [](const AnswerPiece& p) { return p.marker == '~'; });
    q.type = matching   ? QuestionType::Matching
             : hasWrong ? QuestionType::MultipleChoice
                        : QuestionType::ShortAnswer;
    for (const auto& piece : pieces) {
        if (piece.badWeight) {
            q.problem = "an answer has a weight that is not a number";
            return;
        }
        const auto [body, feedback] = SplitFeedback(piece.body);
        if (matching) {
            const std::size_t arrow = FindUnescaped(body, "->");
            if (arrow == std::string_view::npos || piece.marker != '=') {
                q.problem = "every pair of a matching question is written =question -> answer";
                return;
            }
            q.pairs.push_back(Pair{PlainText(body.substr(0, arrow), format),
                                   PlainText(body.substr(arrow + 2), format)});
            continue;
        }
        Answer answer;
        answer.text = PlainText(body, format);
        answer.credit = piece.weight.value_or(piece.marker == '=' ? 100 : 0);
        answer.feedback = PlainText(feedback, format);
        q.answers.push_back(std::move(answer));
    }
}

void ReadAnswerPart(Question& q, std::string_view part, TextFormat format) {
    const std::size_t general = FindUnescaped(part, "####");
    if (general != std::string_view::npos) {
        q.generalFeedback = PlainText(part.substr(general + 4), format);
        part = part.substr(0, general);
    }
    part = Trim(part);
    const std::string upper = Upper(SplitFeedback(part).first);
    const std::string_view head = Trim(upper);
    if (part.empty())
        q.type = QuestionType::Essay;
    else if (part.front() == '#')
        ReadNumerical(q, part, format);
    else if (head == "T" || head == "TRUE" || head == "F" || head == "FALSE")
        ReadTrueFalse(q, part, format);
    else
        ReadChoices(q, part, format);
}

TextFormat FormatMark(std::string_view& text) {
    const std::string_view trimmed = Trim(text);
    static const std::pair<std::string_view, TextFormat> marks[] = {
        {"[html]", TextFormat::Html},
        {"[markdown]", TextFormat::Markdown},
        {"[plain]", TextFormat::Plain},
        {"[moodle]", TextFormat::Auto}};
    for (const auto& [mark, format] : marks) {
        if (trimmed.substr(0, mark.size()) == mark) {
            text = trimmed.substr(mark.size());
            return format;
        }
    }
    return TextFormat::Auto;
}

Question ReadBlock(std::size_t line, std::string_view blockText) {
    Question q;
    q.where = "line " + std::to_string(line);
    std::string_view text = Trim(blockText);
    if (text.substr(0, 2) == "::") {
        const std::size_t close = FindUnescaped(text, "::", 2);
        if (close == std::string_view::npos) {
            q.problem = "the question name is not closed with ::";
            return q;
        }
        q.name = std::string(Trim(Unescape(text.substr(2, close - 2))));
        text = text.substr(close + 2);
    }
    const TextFormat format = FormatMark(text);
    const std::size_t open = FindUnescaped(text, "{");
    if (open == std::string_view::npos) {
        q.type = QuestionType::Description;
        q.text = PlainText(text, format);
        return q;
    }
    const std::size_t close = FindUnescaped(text, "}", open + 1);
    if (close == std::string_view::npos) {
        q.problem = "the brace { of the answers is not closed";
        return q;
    }
    const std::string before = PlainText(text.substr(0, open), format);
    const std::string after = PlainText(text.substr(close + 1), format);
    q.text = before;
    if (!after.empty())
        q.text = std::string(Trim(before + " " + std::string(kMissingWordBlank) + " " + after));
    if (FindUnescaped(text, "{", close + 1) != std::string_view::npos) {
        q.type = QuestionType::Cloze;
        return q;
    }
    ReadAnswerPart(q, text.substr(open + 1, close - open - 1), format);
    return q;
}

} // namespace

ReadResult ReadGift(std::string_view text) {
    ReadResult result;
    const std::vector<Block> blocks = SplitBlocks(text);
    result.questions.reserve(blocks.size());
    std::string blockText;
    for (const Block& block : blocks) {
        BlockText(block.source, blockText);
        if (Trim(blockText).substr(0, 10) == "$CATEGORY:")
            continue;
        result.questions.push_back(ReadBlock(block.line, blockText));
    }
    return result;
}

} // namespace tavrin::interchange
