#include "cli/FileReports.h"

#include <optional>
#include <string>

#include "cli/RecordReports.h"
#include "core/build/CompiledQuiz.h"
#include "core/build/ExecutableQuiz.h"
#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"
#include "core/files/FolderNames.h"
#include "core/questions/QuestionFile.h"
#include "core/topics/TopicIndexBuilder.h"
#include "core/topics/TopicIndexHeader.h"

namespace tavrin::cli {
namespace fs = std::filesystem;
namespace {

enum class FileRole { Quiz, Questions, Topics, Compiled, Executable, Unknown };

struct Classified {
    FileRole role = FileRole::Unknown;
    QuizKind kind = QuizKind::QA;
};

Classified classify(const fs::path& file) {
    const std::string extension = UpperAscii(file.extension().string());
    if (extension == ".EXE")
        return {FileRole::Executable, QuizKind::QA};
    for (const QuizKind kind : {QuizKind::QA, QuizKind::TI, QuizKind::MC}) {
        const auto& names = ExtensionsOf(kind);
        if (extension == names.quiz)
            return {FileRole::Quiz, kind};
        if (extension == names.questions)
            return {FileRole::Questions, kind};
        if (extension == names.topics)
            return {FileRole::Topics, kind};
        if (extension == names.compiled)
            return {FileRole::Compiled, kind};
    }
    return {};
}

bool looksLikeProgram(const std::vector<std::uint8_t>& bytes) {
    return bytes.size() >= 4 && bytes[0] == 0x7F && bytes[1] == 'E' && bytes[2] == 'L' &&
           bytes[3] == 'F';
}

void reportTopics(const TopicIndex& topics, Report& out) {
    Report& list = out.list("topics");
    for (std::size_t i = 0; i < topics.size(); ++i) {
        const auto& entry = topics.entry(i);
        Report& topic = list.item();
        topic.text("name", topics.topicName(i))
            .text("source", topics.topicSource(i))
            .number("start", entry.start())
            .number("length", entry.length());
        Report& lines = topic.list("lines");
        const auto text = topics.blockLines(i);
        for (std::size_t n = 0; n < text.size(); ++n)
            lines.text(std::to_string(n), text[n]);
    }
}

void reportTopicBlock(std::span<const std::uint8_t> block, const TopicIndex& topics, Report& out) {
    TopicIndexHeader header;
    header.assignBytes(block.first(TopicIndexHeader::size));
    out.number("size", static_cast<std::int64_t>(block.size()))
        .text("signature", header.signature())
        .number("count", header.count())
        .number("indexOffset", header.indexOffset());
    reportTopics(topics, out);
}

void reportRecords(QuizKind kind, const std::vector<std::vector<std::uint8_t>>& records,
                   Report& out) {
    Report& list = out.list("questions");
    for (const auto& record : records)
        ReportQuestion(kind, record, list.item());
}

void reportCompiled(const CompiledQuiz& quiz, Report& out) {
    out.text("kindName", KindTitle(quiz.kind()));
    QuizSettings settings;
    settings.assignBytes(quiz.settingsBytes());
    ReportSettings(settings, out.object("settings"));
    const auto& directory = quiz.directory();
    out.object("directory")
        .number("kind", directory.kind())
        .number("topicOffset", directory.topicOffset())
        .number("questionOffset", directory.questionOffset())
        .number("questionCount", directory.questionCount());
    if (const TopicIndex* topics = quiz.topics())
        reportTopicBlock(quiz.topicBlock(), *topics, out.object("topicBlock"));
    Report& list = out.list("questions");
    for (std::size_t i = 0; i < quiz.questionCount(); ++i)
        ReportQuestion(quiz.kind(), quiz.questionRecord(i), list.item());
}

void reportExecutable(const fs::path& file, const std::vector<std::uint8_t>& bytes, Report& out) {
    const auto stubLength = StubImageLength(bytes);
    out.text("file", file.string())
        .text("type", "executable quiz")
        .number("stubLength", static_cast<std::int64_t>(stubLength))
        .number("compiledLength", static_cast<std::int64_t>(bytes.size() - stubLength));
    reportCompiled(LocateAppendedQuiz(bytes, stubLength), out.object("compiled"));
}

} // namespace

void ReportQuizFile(const fs::path& file, Report& out) {
    const Classified what = classify(file);
    switch (what.role) {
    case FileRole::Quiz:
        out.text("file", file.string()).text("type", "quiz file");
        ReportSettings(LoadQuizSettings(file), out.object("settings"));
        return;
    case FileRole::Questions: {
        const QuestionFile questions(file, what.kind);
        out.text("file", file.string())
            .text("type", "question file")
            .text("kindName", KindTitle(what.kind))
            .number("recordSize", static_cast<std::int64_t>(questions.recordSize()))
            .number("recordCount", static_cast<std::int64_t>(questions.recordCount()));
        reportRecords(what.kind, questions.LoadAllQuestions(), out);
        return;
    }
    case FileRole::Topics: {
        const auto block = BuildTopicIndexBytes(ReadFileText(file));
        const TopicIndex topics(block);
        out.text("file", file.string())
            .text("type", "topic file")
            .number("count", static_cast<std::int64_t>(topics.size()));
        reportTopics(topics, out);
        return;
    }
    case FileRole::Compiled:
        out.text("file", file.string()).text("type", "compiled quiz");
        reportCompiled(CompiledQuiz::fromFile(file), out);
        return;
    case FileRole::Executable:
    case FileRole::Unknown:
        break;
    }
    const auto bytes = ReadFileBytes(file);
    if (!looksLikeProgram(bytes)) {
        if (what.role == FileRole::Unknown && bytes.size() >= kCompiledHeadSize) {
            out.text("file", file.string()).text("type", "compiled quiz");
            reportCompiled(CompiledQuiz(bytes), out);
            return;
        }
        throw FileError(file, "not a quiz file of a known kind");
    }
    try {
        reportExecutable(file, bytes, out);
    } catch (const FormatError& error) {
        throw FileError(file, error.what());
    }
}

} // namespace tavrin::cli
