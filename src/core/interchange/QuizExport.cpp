#include "core/interchange/QuizExport.h"

#include "core/bytes/Cp1252.h"
#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"
#include "core/files/TextLines.h"
#include "core/questions/QuestionFile.h"
#include "core/rtf/RtfReader.h"
#include "core/topics/TopicDisplay.h"
#include "core/topics/TopicFile.h"
#include "core/topics/TopicTextWriter.h"

namespace tavrin::interchange {
namespace fs = std::filesystem;
namespace {

std::string Utf8(const std::string& stored) {
    return cp1252::toUtf8(stored);
}

// The text of a question's formatted-text information; empty, with a note,
// for information of another kind.
std::string InformationText(const QuizFiles& files, const std::string& id,
                            std::vector<std::string>& notes) {
    std::vector<std::string> lines;
    if (!FindTopic(files.topicFile, id, kHyperSource, lines) || lines.size() < 3)
        return {};
    const std::string type = lines[2].substr(lines[2].find('=') + 1);
    if (type != "1" && type != "5") {
        notes.push_back(Utf8(id) + ": its information is not text and is not exported");
        return {};
    }
    if (type == "5")
        notes.push_back(Utf8(id) + ": only the text of its information is exported");
    ViewPortDesign design = DefaultViewPortDesign();
    std::vector<std::string> text;
    ParseDisplayTopic(lines, design, text);
    return RtfReader::Read(JoinLinesCrLf(text)).plainText();
}

std::string JoinedLines(const TTMRecord& record) {
    std::vector<std::string> lines;
    for (int line = 1; line <= TTMRecord::kQuestionLines; ++line)
        lines.push_back(Utf8(record.questionLine(line)));
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i ? "\n" : "") + lines[i];
    return text;
}

Question FromTM(const TTMRecord& record, QuizKind kind, Format format,
                std::vector<std::string>& notes) {
    Question q;
    q.name = Utf8(record.identifier());
    q.text = JoinedLines(record);
    if (kind == QuizKind::TI) {
        q.type = QuestionType::ShortAnswer;
        for (int k = 1; k <= TTMRecord::kMatches; ++k)
            if (!record.match(k).empty())
                q.answers.push_back(Answer{Utf8(record.match(k)), 100, {}, 0});
        q.displayedAnswer = Utf8(record.correctAnswer());
        if (format != Format::Csv && record.correctAnswer() != record.match(1))
            notes.push_back(q.name + ": its displayed answer \"" + *q.displayedAnswer +
                            "\" is not exported; the first match stands for it");
    } else {
        q.type = QuestionType::MultipleChoice;
        q.answers.push_back(Answer{Utf8(record.correctAnswer()), 100, {}, 0});
        for (int k = 1; k <= TTMRecord::kWrongAnswers; ++k)
            if (!record.wrongAnswer(k).empty())
                q.answers.push_back(Answer{Utf8(record.wrongAnswer(k)), 0, {}, 0});
    }
    q.previewEntry = Utf8(record.previewEntry());
    if (format != Format::Csv && record.previewEntry() != record.identifier())
        notes.push_back(q.name + ": its preview entry is not exported");
    return q;
}

} // namespace

std::vector<Question> QuestionsOfQuiz(const QuizFiles& files, Format format,
                                      std::vector<std::string>& notes) {
    std::vector<Question> questions;
    const QuestionFile file(files.questionFile, files.kind);
    for (const auto& bytes : file.LoadAllQuestions()) {
        Question q;
        bool information = false;
        std::string id;
        if (files.kind == QuizKind::QA) {
            TQARecord record;
            record.assignBytes(bytes);
            id = record.identifier();
            q.type = QuestionType::ShortAnswer;
            q.name = Utf8(id);
            q.text = Utf8(record.question());
            q.answers.push_back(Answer{Utf8(record.answer()), 100, {}, 0});
            information = record.hasInformation();
        } else {
            TTMRecord record;
            record.assignBytes(bytes);
            id = record.identifier();
            q = FromTM(record, files.kind, format, notes);
            information = record.hasInformation();
        }
        if (information)
            q.generalFeedback = InformationText(files, id, notes);
        questions.push_back(std::move(q));
    }
    return questions;
}

std::vector<std::string> ExportQuiz(const QuizFiles& files, Format format, const fs::path& out) {
    std::vector<std::string> notes;
    const std::vector<Question> questions = QuestionsOfQuiz(files, format, notes);
    switch (format) {
    case Format::Gift:
        WriteFileAtomically(out, WriteGift(questions));
        break;
    case Format::MoodleXml:
        WriteFileAtomically(out, WriteMoodleXml(questions));
        break;
    case Format::Csv:
        WriteFileAtomically(out, WriteCsv(questions, files.kind));
        break;
    case Format::Aiken:
        throw FormatError("questions are not exported to Aiken");
    }
    return notes;
}

} // namespace tavrin::interchange
