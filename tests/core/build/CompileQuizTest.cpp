#include <gtest/gtest.h>

#include <filesystem>

#include "core/build/CompiledQuiz.h"
#include "core/build/CompiledQuizBuilder.h"
#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"
#include "core/settings/QuizSettings.h"
#include "tests/core/CompiledQuizFixtures.h"

namespace tavrin {
namespace {

using testing::Append;
using testing::Bytes;
using testing::SampleRecord;
namespace fs = std::filesystem;

QuizSettings SettingsWithTitle(const std::string& title) {
    QuizSettings settings;
    InitQuizSettings(settings);
    settings.setTitleBarText(title);
    return settings;
}

Bytes SettingsBytes(const QuizSettings& settings) {
    return Bytes(settings.bytes().begin(), settings.bytes().end());
}

// One command topic, and its indexed form written out by hand.
const char* const kOneTopicFile = "[Q1]\r\nsource=HYPER\r\ntype=3\r\ncommand=ding.wav\r\n]\r\n\r\n";

Bytes OneTopicIndex() {
    Bytes index = {0x03, 'W',  'R',  '1',  0x00, // signature "WR1"
                   0x01, 0x00, 0x00, 0x00,       // one topic
                   0x34, 0x00, 0x00, 0x00};      // entries at 13 + 39 = 52
    const std::string block = "[Q1]\r\nHYPER\r\ntype=3\r\ncommand=ding.wav\r\n"; // 39 bytes
    index.insert(index.end(), block.begin(), block.end());
    Bytes entry(80, 0);
    entry[0] = 4; // name string[60]: "[Q1]"
    std::copy_n("[Q1]", 4, entry.begin() + 1);
    entry[61] = 0x0D; // start: 13
    entry[65] = 0x27; // length: 39
    entry[69] = 5;    // source string[10]: "HYPER"
    std::copy_n("HYPER", 5, entry.begin() + 70);
    Append(index, entry);
    return index;
}

TEST(CompileQuiz, WritesSettingsDirectoryAndRecordsOfAQuizWithoutTopics) {
    TempFolder folder;
    const auto settings = SettingsWithTitle("Rivers");
    Bytes questions = SampleRecord(1367, "R1");
    Append(questions, SampleRecord(1367, "R2"));
    WriteFileAtomically(folder / "RIVERS.TIQ", questions);

    const auto files = QuizFileSet::named(folder.path(), QuizKind::TI, "RIVERS.TIJ");
    const fs::path compiled = CompileQuiz(files, settings);
    EXPECT_EQ(compiled, folder / "RIVERS.TIC");

    Bytes expected = SettingsBytes(settings);
    Append(expected, {0x02, 0x00, 0x00, 0x00,   // kind TI
                      0x00, 0x00, 0x00, 0x00,   // no topic block
                      0x6E, 0x13, 0x00, 0x00,   // records at 4974
                      0x02, 0x00, 0x00, 0x00}); // two records
    Append(expected, questions);
    EXPECT_EQ(ReadFileBytes(compiled), expected);
}

TEST(CompileQuiz, EmbedsTheIndexedTopicsBeforeTheRecords) {
    TempFolder folder;
    const auto settings = SettingsWithTitle("Capitals");
    Bytes questions;
    for (const char* id : {"Q1", "Q2", "Q3"})
        Append(questions, SampleRecord(217, id));
    WriteFileAtomically(folder / "CAPS.QAQ", questions);
    WriteFileAtomically(folder / "CAPS.QAR", kOneTopicFile);

    const fs::path compiled =
        CompileQuiz(QuizFileSet::named(folder.path(), QuizKind::QA, "CAPS.QAJ"), settings);
    const Bytes topics = OneTopicIndex();
    ASSERT_EQ(topics.size(), 132u);
    Bytes expected = SettingsBytes(settings);
    Append(expected, {0x01, 0x00, 0x00, 0x00,   // kind QA
                      0x6E, 0x13, 0x00, 0x00,   // topics at 4974
                      0xF2, 0x13, 0x00, 0x00,   // records at 4974 + 132 = 5106
                      0x03, 0x00, 0x00, 0x00}); // three records
    Append(expected, topics);
    Append(expected, questions);
    const Bytes written = ReadFileBytes(compiled);
    EXPECT_EQ(written.size(), 4974u + 132 + 651);
    EXPECT_EQ(written, expected);
    EXPECT_FALSE(fs::exists(folder / "CAPS.$$$")) << "no index left beside the quiz";

    // Compiling again with nothing changed gives the same bytes.
    CompileQuiz(QuizFileSet::named(folder.path(), QuizKind::QA, "CAPS.QAJ"), settings);
    EXPECT_EQ(ReadFileBytes(compiled), expected);
}

TEST(CompileQuiz, FindsFilesWhoseNamesDifferInCase) {
    TempFolder folder;
    WriteFileAtomically(folder / "quiz.qaq", SampleRecord(217, "A"));
    WriteFileAtomically(folder / "Quiz.Qar", kOneTopicFile);

    const CompiledQuiz quiz = CompiledQuiz::fromFile(
        CompileQuiz(QuizFileSet::named(folder.path(), QuizKind::QA, "QUIZ.QAJ"), QuizSettings()));
    EXPECT_EQ(quiz.questionCount(), 1u);
    EXPECT_EQ(quiz.size(), 4974u + 132 + 217);
    ASSERT_NE(quiz.topics(), nullptr);
    EXPECT_EQ(quiz.topics()->size(), 1u);
}

TEST(CompileQuiz, RefusesAQuizWithoutQuestionsOrWithARecordCutShort) {
    TempFolder folder;
    const auto files = QuizFileSet::named(folder.path(), QuizKind::QA, "QUIZ.QAJ");
    const auto refusal = [&] {
        try {
            CompileQuiz(files, QuizSettings());
        } catch (const FileError& error) {
            return std::string(error.what());
        }
        return std::string("compiled");
    };
    EXPECT_EQ(refusal(), (folder / "QUIZ.QAQ").string() +
                             ": the quiz has no questions; add a question before compiling it");
    WriteFileAtomically(folder / "QUIZ.QAQ", Bytes{});
    EXPECT_EQ(refusal(), (folder / "QUIZ.QAQ").string() +
                             ": the quiz has no questions; add a question before compiling it");

    Bytes questions = SampleRecord(217, "A");
    Append(questions, Bytes(100, 0xEE)); // a record cut short by a crash
    WriteFileAtomically(folder / "QUIZ.QAQ", questions);
    EXPECT_EQ(refusal(), (folder / "QUIZ.QAQ").string() +
                             ": ends with 100 bytes that are not a whole question record of "
                             "217 bytes; the file is damaged");
    EXPECT_FALSE(fs::exists(folder / "QUIZ.QAC"));
}

TEST(CompileQuiz, AFailedWriteKeepsTheEarlierCompiledQuiz) {
    TempFolder folder;
    WriteFileAtomically(folder / "OLD.TIQ", SampleRecord(1367, "X"));
    WriteFileAtomically(folder / "OLD.TIC", Bytes{9, 9, 9});
    SetFileFaultHook([](std::string_view step, const fs::path&) { return step != "rename"; });
    EXPECT_THROW(
        CompileQuiz(QuizFileSet::named(folder.path(), QuizKind::TI, "OLD.TIJ"), QuizSettings()),
        FileError);
    SetFileFaultHook(nullptr);
    EXPECT_EQ(ReadFileBytes(folder / "OLD.TIC"), (Bytes{9, 9, 9}));
}

} // namespace
} // namespace tavrin
