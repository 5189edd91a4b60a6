#include "core/interchange/QuestionMapping.h"

#include <algorithm>

#include "core/files/FolderNames.h"
#include "core/interchange/InterchangeText.h"
#include "core/questions/TQARecord.h"
#include "core/questions/TTMRecord.h"

namespace tavrin::interchange {
namespace {

constexpr std::size_t kIdentifierLimit = 30;
constexpr std::size_t kTextLimit = 90;
constexpr std::size_t kTiLineLimit = 80;
constexpr std::size_t kMatchLimit = 20;
constexpr std::size_t kPreviewLimit = 50;

// Refusals are thrown inside the mapping of one question and caught by map().
struct Refusal {
    std::string reason;
};

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// The Windows-1252 form of a text stored in a field of `limit` characters.
std::string Stored(const std::string& text, const std::string& what, std::size_t limit) {
    std::string offending;
    const auto stored = ToCp1252(text, offending);
    if (!stored)
        throw Refusal{"the " + what + " holds the character " + offending +
                      ", which has no Windows-1252 form"};
    if (stored->size() > limit)
        throw Refusal{"the " + what + " is longer than " + std::to_string(limit) + " characters"};
    if (stored->find('\n') != std::string::npos)
        throw Refusal{"the " + what + " has more than one line"};
    return *stored;
}

std::string OneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

// The first words of a text that fit `limit` characters (the first word cut
// when it alone is longer).
std::string FirstWords(const std::string& text, std::size_t limit) {
    const std::string line = std::string(Trim(OneLine(text)));
    if (line.size() <= limit)
        return line;
    const std::size_t blank = line.rfind(' ', limit);
    return line.substr(0, blank == std::string::npos || blank == 0 ? limit : blank);
}

bool IsPicture(const std::string& name) {
    const std::string upper = UpperAscii(name);
    for (const char* ext : {".BMP", ".JPG", ".JPEG", ".PNG", ".GIF"})
        if (upper.size() > std::string_view(ext).size() &&
            upper.compare(upper.size() - std::string_view(ext).size(), std::string::npos, ext) == 0)
            return true;
    return false;
}

bool IsSound(const std::string& name) {
    const std::string upper = UpperAscii(name);
    return upper.size() > 4 && upper.compare(upper.size() - 4, 4, ".WAV") == 0;
}

void RefuseOtherTypes(const Question& q) {
    switch (q.type) {
    case QuestionType::Essay:
        throw Refusal{"essay questions have no answer to check"};
    case QuestionType::Description:
        throw Refusal{"it is a description, not a question"};
    case QuestionType::Cloze:
        throw Refusal{"questions with embedded answers (Cloze) cannot be imported"};
    case QuestionType::Other:
        throw Refusal{"questions of the type " + Quoted(q.typeName) + " cannot be imported"};
    default:
        break;
    }
    for (const Answer& a : q.answers)
        if (a.tolerance != 0)
            throw Refusal{"the answer " + a.text + " has a tolerance of " +
                          FormatNumber(a.tolerance) + "; only exact numbers can be matched"};
}

bool AllFullCredit(const Question& q) {
    return std::all_of(q.answers.begin(), q.answers.end(),
                       [](const Answer& a) { return a.credit == 100; });
}

void NoteAnswerFeedback(const Question& q, MappedQuestion& out) {
    if (std::any_of(q.answers.begin(), q.answers.end(),
                    [](const Answer& a) { return !a.feedback.empty(); }))
        out.notes.push_back("the feedback of its answers is not kept");
}

} // namespace

std::optional<std::vector<std::string>>
SplitQuestionLines(const std::string& text, std::size_t firstLimit, std::size_t restLimit) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string paragraph = text.substr(start, end - start);
        do {
            const std::size_t limit = lines.empty() ? firstLimit : restLimit;
            if (paragraph.size() <= limit) {
                lines.push_back(paragraph);
                break;
            }
            const std::size_t blank = paragraph.rfind(' ', limit);
            if (blank == std::string::npos || blank == 0)
                return std::nullopt;
            lines.push_back(paragraph.substr(0, blank));
            paragraph = paragraph.substr(blank + 1);
        } while (lines.size() <= 6);
        if (lines.size() > 6)
            return std::nullopt;
        start = end + 1;
    }
    return lines;
}

namespace {

// The question's text in the record's six lines (the first of at most
// kTextLimit characters, the others of `lineLimit`), the answers' lost
// feedback noted, and the record added.
void AddQuestionRecord(const Question& q, std::size_t lineLimit, TTMRecord& record,
                       MappedQuestion& out) {
    const auto lines = SplitQuestionLines(q.text, kTextLimit, lineLimit);
    if (!lines)
        throw Refusal{"its text does not fit the six question lines"};
    for (std::size_t i = 0; i < lines->size(); ++i)
        record.setQuestionLine(static_cast<int>(i + 1),
                               Stored((*lines)[i], "question", kTextLimit));
    NoteAnswerFeedback(q, out);
    MappedRecord mapped;
    mapped.bytes.assign(record.view().begin(), record.view().end());
    out.records.push_back(std::move(mapped));
}

} // namespace

QuestionMapper::QuestionMapper(QuizKind kind, const std::vector<std::string>& takenNames)
    : kind_(kind) {
    for (const auto& name : takenNames)
        taken_.insert(UpperAscii(name));
}

std::string QuestionMapper::uniqueIdentifier(const std::string& base) {
    std::string id = base.substr(0, kIdentifierLimit);
    for (int n = 2; taken_.count(UpperAscii(id)); ++n) {
        const std::string suffix = "-" + std::to_string(n);
        id = base.substr(0, kIdentifierLimit - suffix.size()) + suffix;
    }
    taken_.insert(UpperAscii(id));
    return id;
}

// The name when it has a Windows-1252 form, else the first words of the text.
std::string QuestionMapper::identifierBase(const std::string& name, const std::string& text) const {
    std::string offending;
    for (const std::string& source : {name, text}) {
        const auto stored = ToCp1252(FirstWords(source, kIdentifierLimit), offending);
        if (stored && !Trim(*stored).empty())
            return *stored;
    }
    throw Refusal{"it has neither a name nor text to make its identifier from"};
}

void QuestionMapper::mapQA(const Question& q, MappedQuestion& out) {
    std::vector<Pair> pairs = q.pairs;
    if (q.type == QuestionType::Matching) {
        if (!q.answers.empty())
            throw Refusal{"it has extra wrong answers, which a match quiz has no place for"};
        if (pairs.empty())
            throw Refusal{"it has no pairs"};
        if (!q.text.empty())
            out.notes.push_back("its own text is not kept: each pair became a question");
    } else if (q.type == QuestionType::ShortAnswer || q.type == QuestionType::Numerical) {
        if (q.answers.size() != 1 || !AllFullCredit(q))
            throw Refusal{"a match quiz pairs each question with exactly one right answer"};
        pairs.push_back(Pair{OneLine(q.text), q.answers[0].text});
    } else {
        throw Refusal{"choice questions do not fit a match quiz"};
    }
    NoteAnswerFeedback(q, out);
    for (std::size_t k = 0; k < pairs.size(); ++k) {
        TQARecord record;
        record.setQuestion(Stored(pairs[k].question, "question", kTextLimit));
        record.setAnswer(Stored(pairs[k].answer, "answer " + Quoted(pairs[k].answer), kTextLimit));
        if (pairs[k].question.empty() || pairs[k].answer.empty())
            throw Refusal{"a question or an answer is empty"};
        const std::string name = pairs.size() == 1 ? q.name
                                 : q.name.empty()  ? pairs[k].question
                                                   : q.name + " " + std::to_string(k + 1);
        MappedRecord mapped;
        mapped.identifier = identifierBase(name, pairs[k].question);
        mapped.bytes.assign(record.view().begin(), record.view().end());
        out.records.push_back(std::move(mapped));
    }
}

void QuestionMapper::mapTI(const Question& q, MappedQuestion& out) {
    if (q.type != QuestionType::ShortAnswer && q.type != QuestionType::Numerical)
        throw Refusal{"only short-answer and numerical questions fit a type-an-answer quiz"};
    if (!AllFullCredit(q))
        throw Refusal{"it gives partial or no credit for some answers"};
    if (q.answers.empty())
        throw Refusal{"it has no answer"};
    if (q.answers.size() > TTMRecord::kMatches)
        throw Refusal{"it accepts more than nine answers"};
    TTMRecord record;
    for (std::size_t k = 0; k < q.answers.size(); ++k)
        record.setMatch(
            static_cast<int>(k + 1),
            Stored(q.answers[k].text, "answer " + Quoted(q.answers[k].text), kMatchLimit));
    const std::string displayed = q.displayedAnswer.value_or(q.answers[0].text);
    record.setCorrectAnswer(Stored(displayed, "answer " + Quoted(displayed), kTextLimit));
    AddQuestionRecord(q, kTiLineLimit, record, out);
}

void QuestionMapper::mapMC(const Question& q, MappedQuestion& out) {
    if (q.type != QuestionType::MultipleChoice && q.type != QuestionType::TrueFalse)
        throw Refusal{"only multiple-choice and true/false questions fit a multiple-choice quiz"};
    const auto right = std::count_if(q.answers.begin(), q.answers.end(),
                                     [](const Answer& a) { return a.credit == 100; });
    if (std::any_of(q.answers.begin(), q.answers.end(),
                    [](const Answer& a) { return a.credit != 100 && a.credit != 0; }))
        throw Refusal{"it gives partial credit"};
    if (right != 1)
        throw Refusal{right == 0 ? "it has no right answer" : "it has several right answers"};
    const std::size_t wrong = q.answers.size() - 1;
    if (wrong == 0 || wrong > TTMRecord::kWrongAnswers)
        throw Refusal{wrong == 0 ? "it has no wrong answer"
                                 : "it has more than five wrong answers"};
    TTMRecord record;
    int slot = 0;
    for (const Answer& a : q.answers) {
        const std::string stored = Stored(a.text, "answer " + Quoted(a.text), kTextLimit);
        if (stored.empty())
            throw Refusal{"one of its answers is empty"};
        if (a.credit == 100)
            record.setCorrectAnswer(stored);
        else
            record.setWrongAnswer(++slot, stored);
    }
    AddQuestionRecord(q, kTextLimit, record, out);
}

void QuestionMapper::attachInformation(const Question& q, MappedQuestion& out) const {
    std::optional<MediaFile> media;
    bool picture = false;
    if (q.media.size() == 1 && (IsPicture(q.media[0].name) || IsSound(q.media[0].name))) {
        media = q.media[0];
        picture = IsPicture(media->name);
    } else if (!q.media.empty()) {
        out.notes.push_back("its embedded files are not kept: only one picture or one WAV sound "
                            "can be a question's information");
    }
    std::string text = q.generalFeedback;
    if (media && !picture && !text.empty()) {
        out.notes.push_back("its general feedback is not kept: its sound is its information");
        text.clear();
    }
    for (MappedRecord& record : out.records) {
        record.informationText = text;
        record.media = media;
        record.mediaIsPicture = picture;
        record.bytes.back() = !text.empty() || media ? 1 : 0;
    }
}

MappedQuestion QuestionMapper::map(const Question& q) {
    MappedQuestion out;
    std::vector<std::string> given;
    try {
        if (!q.problem.empty())
            throw Refusal{q.problem};
        RefuseOtherTypes(q);
        if (q.type != QuestionType::Matching && Trim(q.text).empty())
            throw Refusal{"it has no question text"};
        switch (kind_) {
        case QuizKind::QA:
            mapQA(q, out);
            break;
        case QuizKind::TI:
            mapTI(q, out);
            break;
        case QuizKind::MC:
            mapMC(q, out);
            break;
        }
        for (MappedRecord& record : out.records) {
            if (record.identifier.empty())
                record.identifier = identifierBase(q.name, q.text);
            record.identifier = uniqueIdentifier(record.identifier);
            given.push_back(UpperAscii(record.identifier));
            if (kind_ == QuizKind::QA) {
                TQARecord qa;
                qa.assignBytes(record.bytes);
                qa.setIdentifier(record.identifier);
                record.bytes.assign(qa.view().begin(), qa.view().end());
            } else {
                TTMRecord tm;
                tm.assignBytes(record.bytes);
                tm.setIdentifier(record.identifier);
                const std::string preview =
                    q.previewEntry ? Stored(*q.previewEntry, "preview entry", kPreviewLimit)
                                   : record.identifier;
                tm.setPreviewEntry(preview);
                record.bytes.assign(tm.view().begin(), tm.view().end());
            }
        }
        attachInformation(q, out);
    } catch (const Refusal& refusal) {
        for (const auto& id : given)
            taken_.erase(id);
        return MappedQuestion{{}, refusal.reason, {}};
    }
    return out;
}

} // namespace tavrin::interchange
