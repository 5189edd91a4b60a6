#include <gtest/gtest.h>

#include "tests/core/CompiledQuizFixtures.h"
#include "core/build/CompiledQuiz.h"
#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"

namespace tavrin {
namespace {

using testing::Append;
using testing::Bytes;
using testing::SampleRecord;
using testing::SampleSettings;

// A TI quiz with two questions and no topic file, written out field by field.
Bytes TwoQuestionTiQuiz() {
    Bytes data = SampleSettings();
    Append(data, {0x02, 0x00, 0x00, 0x00}); // kind: TI
    Append(data, {0x00, 0x00, 0x00, 0x00}); // topicOffset: none
    Append(data, {0x6E, 0x13, 0x00, 0x00}); // questionOffset: 4974
    Append(data, {0x02, 0x00, 0x00, 0x00}); // questionCount: 2
    Append(data, SampleRecord(1367, "Q1"));
    Append(data, SampleRecord(1367, "Q2"));
    return data;
}

// A QA quiz whose topic block is a 13-byte header alone ("WR1", 0 topics).
Bytes QaQuizWithEmptyTopicBlock() {
    Bytes data = SampleSettings();
    Append(data, {0x01, 0x00, 0x00, 0x00}); // kind: QA
    Append(data, {0x6E, 0x13, 0x00, 0x00}); // topicOffset: 4974
    Append(data, {0x7B, 0x13, 0x00, 0x00}); // questionOffset: 4974 + 13 = 4987
    Append(data, {0x01, 0x00, 0x00, 0x00}); // questionCount: 1
    Append(data, {0x03, 'W', 'R', '1', 0x00, 0, 0, 0, 0, 0, 0, 0, 0});
    Append(data, SampleRecord(217, "ONLY"));
    return data;
}

TEST(CompiledQuizReader, FindsEveryPartWithAndWithoutTopics) {
    const Bytes data = TwoQuestionTiQuiz();
    ASSERT_EQ(data.size(), 4974u + 2 * 1367);
    const CompiledQuiz quiz(data);
    EXPECT_EQ(quiz.kind(), QuizKind::TI);
    EXPECT_FALSE(quiz.hasTopics());
    EXPECT_TRUE(quiz.topicBlock().empty());
    ASSERT_EQ(quiz.questionCount(), 2u);
    EXPECT_EQ(quiz.settingsBytes().size(), 4958u);
    EXPECT_EQ(quiz.settingsBytes()[4957], SampleSettings()[4957]);
    const auto second = quiz.questionRecord(1);
    EXPECT_EQ(Bytes(second.begin(), second.end()), SampleRecord(1367, "Q2"));
    EXPECT_THROW(quiz.questionRecord(2), FormatError);

    const CompiledQuiz withTopics(QaQuizWithEmptyTopicBlock());
    EXPECT_EQ(withTopics.kind(), QuizKind::QA);
    ASSERT_TRUE(withTopics.hasTopics());
    ASSERT_EQ(withTopics.topicBlock().size(), 13u);
    EXPECT_EQ(withTopics.topicBlock()[1], 'W');
    EXPECT_EQ(withTopics.questionRecord(0)[2], 'O');
}

void ExpectRefused(const Bytes& data, const std::string& reasonPart) {
    try {
        CompiledQuiz quiz(data);
        ADD_FAILURE() << "accepted damaged data; expected: " << reasonPart;
    } catch (const FormatError& error) {
        EXPECT_NE(std::string(error.what()).find(reasonPart), std::string::npos) << error.what();
    }
}

void Put32(Bytes& data, std::size_t offset, std::uint32_t value) {
    testing::PutLe(data, offset, value, 4);
}

TEST(CompiledQuizReader, RefusesDamagedData) {
    const Bytes good = TwoQuestionTiQuiz();

    ExpectRefused(Bytes(good.begin(), good.begin() + 4973), "not a compiled quiz");
    ExpectRefused(Bytes(), "not a compiled quiz");
    // The last record lost its final byte.
    ExpectRefused(Bytes(good.begin(), good.end() - 1), "do not fit");

    for (std::uint32_t kind : {0u, 4u, 0x102u, 0xFFFFFFFFu}) {
        Bytes damaged = good;
        Put32(damaged, 4958, kind);
        ExpectRefused(damaged, "unknown kind");
    }

    Bytes pastEnd = good;
    Put32(pastEnd, 4966, static_cast<std::uint32_t>(good.size() + 1));
    ExpectRefused(pastEnd, "lie outside");

    Bytes insideHead = good;
    Put32(insideHead, 4966, 100);
    ExpectRefused(insideHead, "lie outside");

    // A count whose byte total overflows 32 bits must not wrap into range.
    Bytes hugeCount = good;
    Put32(hugeCount, 4970, 0xFFFFFFFF);
    ExpectRefused(hugeCount, "do not fit");
    Put32(hugeCount, 4970, 3141893); // times 1367 is 435 modulo 2^32
    ExpectRefused(hugeCount, "do not fit");

    Bytes topicsAfterRecords = QaQuizWithEmptyTopicBlock();
    Put32(topicsAfterRecords, 4962, 5000);
    ExpectRefused(topicsAfterRecords, "topic block");

    Bytes badSignature = QaQuizWithEmptyTopicBlock();
    badSignature[4974 + 1] = 'X'; // "XR1"
    ExpectRefused(badSignature, "topic index");
    Bytes entriesOutside = QaQuizWithEmptyTopicBlock();
    Put32(entriesOutside, 4974 + 5, 1); // one topic, but no entry follows
    Put32(entriesOutside, 4974 + 9, 13);
    ExpectRefused(entriesOutside, "topic index");

    Bytes topicsInHead = QaQuizWithEmptyTopicBlock();
    Put32(topicsInHead, 4962, 10);
    ExpectRefused(topicsInHead, "topic block");
}

TEST(CompiledQuizReader, ErrorsFromAFileNameIt) {
    TempFolder folder;
    const auto path = folder / "BROKEN.TIC";
    WriteFileAtomically(path, Bytes(100, 0));
    try {
        CompiledQuiz::fromFile(path);
        ADD_FAILURE() << "accepted a 100-byte file";
    } catch (const FormatError& error) {
        EXPECT_NE(std::string(error.what()).find("BROKEN.TIC"), std::string::npos);
    }
    EXPECT_THROW(CompiledQuiz::fromFile(folder / "MISSING.TIC"), FileError);
}

} // namespace
} // namespace tavrin
