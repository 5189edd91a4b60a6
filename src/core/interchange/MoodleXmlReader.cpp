#include "core/interchange/MoodleXmlReader.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>
#include <pugixml.hpp>

#include "core/bytes/FileError.h"
#include "core/interchange/InterchangeText.h"

namespace tavrin::interchange {
namespace {

// Line numbers of byte offsets. The line ends are found before the parser
// works on the text in place, which moves the bytes within a value.
class LineCounter {
public:
    explicit LineCounter(std::string_view text) {
        lineEnds_.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
        // memchr jumps over the long runs between line ends far faster than
        // a byte-by-byte search.
        const char* const end = text.data() + text.size();
        for (const char* at = text.data(); (at = static_cast<const char*>(std::memchr(
                                                at, '\n', static_cast<std::size_t>(end - at))));
             ++at)
            lineEnds_.push_back(static_cast<std::size_t>(at - text.data()));
    }
    std::size_t lineAt(std::ptrdiff_t offset) const {
        const auto target = static_cast<std::size_t>(std::max<std::ptrdiff_t>(offset, 0));
        return 1 + static_cast<std::size_t>(
                       std::lower_bound(lineEnds_.begin(), lineEnds_.end(), target) -
                       lineEnds_.begin());
    }

private:
    std::vector<std::size_t> lineEnds_;
};

int Base64Value(char c) {
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

std::optional<std::string> DecodeBase64(std::string_view text) {
    std::string out;
    out.reserve(text.size() / 4 * 3);
    unsigned buffer = 0;
    int bits = 0;
    bool padding = false;
    for (const char c : text) {
        if (c == ' ' || c == '\n' || c == '\r' || c == '\t')
            continue;
        if (c == '=') {
            padding = true;
            continue;
        }
        const int value = Base64Value(c);
        if (value < 0 || padding)
            return std::nullopt;
        buffer = (buffer << 6) | static_cast<unsigned>(value);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((buffer >> bits) & 0xFF);
        }
    }
    return out;
}

std::string FormattedText(const pugi::xml_node& node) {
    const std::string_view raw = node.child("text").text().get();
    const std::string_view format = node.attribute("format").value();
    if (format == "plain_text")
        return TidyLines(raw);
    if (format == "markdown")
        return TidyLines(MarkdownToPlain(raw));
    if (format == "moodle_auto_format" && raw.find('<') == std::string::npos)
        return TidyLines(DecodeEntities(raw));
    return HtmlToPlain(raw);
}

QuestionType TypeNamed(std::string_view type) {
    static const std::array<std::pair<std::string_view, QuestionType>, 8> types = {{
        {"multichoice", QuestionType::MultipleChoice},
        {"truefalse", QuestionType::TrueFalse},
        {"shortanswer", QuestionType::ShortAnswer},
        {"numerical", QuestionType::Numerical},
        {"matching", QuestionType::Matching},
        {"essay", QuestionType::Essay},
        {"description", QuestionType::Description},
        {"cloze", QuestionType::Cloze},
    }};
    for (const auto& [name, kind] : types)
        if (type == name)
            return kind;
    return QuestionType::Other;
}

// Every <file> inside the question, at any depth (question text, feedback,
// answers); walked by hand, which costs far less than an XPath query.
void CollectFiles(const pugi::xml_node& node, std::vector<pugi::xml_node>& files) {
    for (const pugi::xml_node child : node.children()) {
        if (child.type() != pugi::node_element)
            continue;
        if (std::string_view(child.name()) == "file")
            files.push_back(child);
        else
            CollectFiles(child, files);
    }
}

void ReadFiles(const pugi::xml_node& question, Question& q) {
    std::vector<pugi::xml_node> files;
    CollectFiles(question, files);
    for (const pugi::xml_node file : files) {
        const std::string_view data = file.text().get();
        const std::string name = file.attribute("name").value();
        if (data.size() / 4 * 3 > kMaxMediaBytes) {
            q.problem = "the embedded file \"" + name + "\" is larger than 16 MB";
            return;
        }
        auto bytes = DecodeBase64(data);
        if (!bytes || name.empty()) {
            q.problem = "the embedded file \"" + name + "\" is not valid base64 with a name";
            return;
        }
        q.media.push_back(MediaFile{name, std::move(*bytes)});
    }
}

void ReadAnswers(const pugi::xml_node& question, Question& q) {
    for (const pugi::xml_node answer : question.children("answer")) {
        Answer a;
        a.text = FormattedText(answer);
        const auto credit = ParseNumber(answer.attribute("fraction").value());
        if (!credit) {
            q.problem = "an answer's fraction is not a number";
            return;
        }
        a.credit = *credit;
        a.feedback = FormattedText(answer.child("feedback"));
        if (q.type == QuestionType::Numerical) {
            const std::string tolerance = answer.child_value("tolerance");
            a.tolerance = Trim(tolerance).empty() ? 0 : ParseNumber(tolerance).value_or(-1);
            if (a.tolerance < 0) {
                q.problem = "an answer's tolerance is not a number";
                return;
            }
        }
        q.answers.push_back(std::move(a));
    }
    if (q.type == QuestionType::TrueFalse) {
        for (Answer& a : q.answers) {
            const std::string upper = a.text == "true"    ? "True"
                                      : a.text == "false" ? "False"
                                                          : a.text;
            a.text = upper;
        }
    }
}

Question ReadQuestion(const pugi::xml_node& node, std::size_t line) {
    Question q;
    const std::string_view type = node.attribute("type").value();
    q.where = "line " + std::to_string(line);
    q.type = TypeNamed(type);
    q.typeName = type;
    q.name = FormattedText(node.child("name"));
    q.text = FormattedText(node.child("questiontext"));
    q.generalFeedback = FormattedText(node.child("generalfeedback"));
    ReadFiles(node, q);
    if (!q.problem.empty())
        return q;
    ReadAnswers(node, q);
    for (const pugi::xml_node sub : node.children("subquestion")) {
        const std::string question = FormattedText(sub);
        const std::string answer = TidyLines(sub.child("answer").child_value("text"));
        if (question.empty())
            q.answers.push_back(Answer{answer, 0, {}, 0}); // an extra wrong answer
        else
            q.pairs.push_back(Pair{question, answer});
    }
    return q;
}

} // namespace

ReadResult ReadMoodleXml(std::string text) {
    const LineCounter lines(text);
    pugi::xml_document document;
    // In place: a copy of a large file would cost as much as the parse.
    const pugi::xml_parse_result parsed = document.load_buffer_inplace(
        text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed)
        throw FormatError("it is not well-formed XML (line " +
                          std::to_string(lines.lineAt(parsed.offset)) + ": " +
                          parsed.description() + ")");
    const pugi::xml_node quiz = document.child("quiz");
    if (!quiz)
        throw FormatError("it is not Moodle XML: its root element is not <quiz>");
    ReadResult result;
    const auto questions = quiz.children("question");
    result.questions.reserve(
        static_cast<std::size_t>(std::distance(questions.begin(), questions.end())));
    for (const pugi::xml_node node : questions) {
        if (std::string_view(node.attribute("type").value()) == "category")
            continue;
        result.questions.push_back(ReadQuestion(node, lines.lineAt(node.offset_debug())));
    }
    return result;
}

} // namespace tavrin::interchange
