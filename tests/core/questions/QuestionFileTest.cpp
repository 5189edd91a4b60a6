#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"
#include "core/questions/QuestionFile.h"
#include "tests/core/RecordBytes.h"
#include "tests/core/TempFolder.h"

namespace tavrin {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::expectAt;
using testing::pstr;

// A QA record written out by hand: deleted flag, identifier string[32],
// question and answer string[90], information flag.
Bytes handMadeQA(std::uint8_t deleted, const std::string& id, std::uint8_t info = 0) {
    Bytes r(217, 0x00);
    r[0] = deleted;
    r[1] = static_cast<std::uint8_t>(id.size());
    std::copy(id.begin(), id.end(), r.begin() + 2);
    r[34] = 1;
    r[35] = 'q';
    r[125] = 1;
    r[126] = 'a';
    r[216] = info;
    return r;
}

Bytes concat(const std::vector<Bytes>& parts) {
    Bytes all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

TEST(QuestionRecords, QAFieldsAtTheirOffsets) {
    TQARecord record;
    record.assignBytes(handMadeQA(0, "Q1", 1));
    EXPECT_EQ(record.identifier(), "Q1");
    EXPECT_EQ(record.question(), "q");
    EXPECT_EQ(record.answer(), "a");
    EXPECT_TRUE(record.hasInformation());
    record.setIdentifier(std::string(40, 'X'));
    expectAt(record.bytes(), 1, pstr(std::string(32, 'X')));
    EXPECT_EQ(record.bytes()[34], 1); // question length untouched
}

TEST(QuestionRecords, TMFieldsAtTheirOffsets) {
    TTMRecord record;
    record.setQuestionLine(6, "six");
    record.setCorrectAnswer("right");
    record.setMatch(9, "m9");
    record.setWrongAnswer(5, "w5");
    record.setPreviewEntry("p");
    record.setHasInformation(true);
    const auto& b = record.bytes();
    expectAt(b, 489, pstr("six"));   // question line 6
    expectAt(b, 580, pstr("right")); // correct answer
    expectAt(b, 839, pstr("m9"));    // match 9 at 671 + 21 * 8
    expectAt(b, 1224, pstr("w5"));   // wrong answer 5 at 860 + 91 * 4
    expectAt(b, 1315, pstr("p"));    // preview entry
    EXPECT_EQ(b[1366], 1);           // information flag
    EXPECT_THROW(record.match(10), std::out_of_range);
    EXPECT_THROW(record.wrongAnswer(0), std::out_of_range);
    EXPECT_THROW(record.questionLine(7), std::out_of_range);
}

class QuestionFileTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::filesystem::path path = folder.path() / "QUIZ.QAQ";
    QuestionFile file{path, QuizKind::QA};

    void writeRecords(const std::vector<Bytes>& records) {
        WriteFileAtomically(path, concat(records));
    }
};

TEST_F(QuestionFileTest, ReadsUpToTheLastWholeRecordOfAFileThatMayBeAbsent) {
    EXPECT_FALSE(file.exists());
    EXPECT_EQ(file.recordCount(), 0u);
    EXPECT_TRUE(file.LoadAllQuestions().empty());
    EXPECT_FALSE(file.IdentifierInUse("ANY", ""));
    EXPECT_THROW(file.ReadQuestion(0), FileError);

    Bytes data = concat({handMadeQA(0, "A"), handMadeQA(0, "B")});
    data.resize(data.size() + 100, 0xEE); // a torn third record
    WriteFileAtomically(path, data);
    EXPECT_EQ(file.recordCount(), 2u);
    EXPECT_EQ(file.ListQuestionIds(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(file.LoadAllQuestions().size(), 2u);
    EXPECT_THROW(file.ReadQuestion(2), FileError);
}

TEST_F(QuestionFileTest, AppendCreatesTheFileAndWriteReplacesInPlace) {
    TQARecord first;
    first.assignBytes(handMadeQA(0, "FIRST"));
    file.WriteQuestion(QuestionFile::kAppend, first);
    TQARecord second;
    second.assignBytes(handMadeQA(0, "SECOND"));
    file.WriteQuestion(QuestionFile::kAppend, second);
    EXPECT_EQ(ReadFileBytes(path), concat({handMadeQA(0, "FIRST"), handMadeQA(0, "SECOND")}));

    first.setIdentifier("ONE");
    file.WriteQuestion(0, first);
    EXPECT_EQ(file.ListQuestionIds(), (std::vector<std::string>{"ONE", "SECOND"}));
    EXPECT_THROW(file.ReadTMRecord(1), FormatError) << "a record of the other size";
    EXPECT_THROW(file.WriteQuestion(5, first), FileError);
    EXPECT_THROW(file.WriteQuestion(0, TTMRecord()), FormatError);
}

TEST_F(QuestionFileTest, IdentifierClashesIgnoreCase) {
    writeRecords({handMadeQA(0, "Alpha"), handMadeQA(1, "Marked")});
    EXPECT_TRUE(file.IdentifierInUse("ALPHA", ""));       // new question
    EXPECT_TRUE(file.IdentifierInUse("marked", ""));      // marked records count too
    EXPECT_FALSE(file.IdentifierInUse("aLpHa", "Alpha")); // only its own case changed
    EXPECT_TRUE(file.IdentifierInUse("Alpha", "Beta"));   // renamed onto another
    EXPECT_FALSE(file.IdentifierInUse("Gamma", "Alpha"));
}

TEST_F(QuestionFileTest, CompactionShiftsTheRemainingRecords) {
    writeRecords({handMadeQA(1, "R0"), handMadeQA(0, "R1"), handMadeQA(0, "R2")});
    file.CompactQuestionFile();
    EXPECT_EQ(ReadFileBytes(path), concat({handMadeQA(0, "R1"), handMadeQA(0, "R2")}));
    writeRecords({handMadeQA(0, "ONLY")}); // an unmarked only record stays
    file.CompactQuestionFile();
    EXPECT_EQ(ReadFileBytes(path), handMadeQA(0, "ONLY"));

    // More records than one read (256 KiB of whole records) holds: marked
    // ones on both sides of the first block's edge and near the start, runs
    // long enough for the kernel to copy, one across two edges, and a cut-off
    // record at the end, which goes. Where the kernel refuses to copy, the
    // same records are kept.
    const int perBlock = 256 * 1024 / 217;
    const int count = 3 * perBlock + 10;
    std::vector<Bytes> all;
    std::vector<Bytes> kept;
    for (int i = 0; i < count; ++i) {
        const bool marked =
            i == 0 || i == 5 || i == perBlock - 1 || i == perBlock || i == count - 1;
        all.push_back(handMadeQA(marked ? 1 : 0, "R" + std::to_string(i)));
        if (!marked)
            kept.push_back(all.back());
    }
    all.push_back(Bytes(100, 0));
    for (const bool kernelCopies : {true, false}) {
        SetFileFaultHook([kernelCopies](std::string_view step, const std::filesystem::path&) {
            return kernelCopies || step != "kernel copy";
        });
        writeRecords(all);
        file.CompactQuestionFile();
        SetFileFaultHook(nullptr);
        EXPECT_EQ(ReadFileBytes(path), concat(kept)) << kernelCopies;
    }
}

TEST_F(QuestionFileTest, FailedCompactionLeavesTheFileIntact) {
    const Bytes before = concat({handMadeQA(0, "A"), handMadeQA(1, "B"), handMadeQA(0, "C")});
    WriteFileAtomically(path, before);
    SetFileFaultHook(
        [](std::string_view step, const std::filesystem::path&) { return step != "rename"; });
    EXPECT_THROW(file.CompactQuestionFile(), FileError);
    SetFileFaultHook(nullptr);
    EXPECT_EQ(ReadFileBytes(path), before);
}

TEST_F(QuestionFileTest, DeleteRemovesTheTopicOnlyWhenTheQuestionHasOne) {
    writeRecords({handMadeQA(0, "PLAIN"), handMadeQA(0, "INFO", 1), handMadeQA(0, "LAST")});
    std::vector<std::string> removed;
    const auto remove = [&](const std::string& id) { removed.push_back(id); };
    DeleteQuestion(file, 0, remove);
    EXPECT_TRUE(removed.empty());
    DeleteQuestion(file, 0, remove);
    EXPECT_EQ(removed, (std::vector<std::string>{"INFO"}));
    EXPECT_EQ(ReadFileBytes(path), handMadeQA(0, "LAST"));
    DeleteQuestion(file, 0, remove); // the only record: the file goes
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(QuestionFileTest, DeleteStillCompactsWhenTopicRemovalFails) {
    writeRecords({handMadeQA(0, "INFO", 1), handMadeQA(0, "KEEP")});
    EXPECT_THROW(
        DeleteQuestion(file, 0, [](const std::string&) { throw FileError("T.QAR", "locked"); }),
        FileError);
    EXPECT_EQ(ReadFileBytes(path), handMadeQA(0, "KEEP"));
}

} // namespace
} // namespace tavrin
