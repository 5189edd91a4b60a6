#include <gtest/gtest.h>

#include "core/build/CompiledQuiz.h"
#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"
#include "tests/core/CompiledQuizFixtures.h"

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

Bytes With32(Bytes data, std::size_t offset, std::uint32_t value) {
    testing::PutLe(data, offset, value, 4);
    return data;
}

TEST(CompiledQuizReader, RefusesDamagedDataSayingWhy) {
    const Bytes good = TwoQuestionTiQuiz(); // 7708 bytes
    const Bytes withTopics = QaQuizWithEmptyTopicBlock();
    Bytes badSignature = withTopics;
    badSignature[4974 + 1] = 'X'; // "XR1"
    const struct {
        const char* what;
        Bytes data;
        std::string reason;
    } cases[] = {
        {"cut inside the head", Bytes(good.begin(), good.begin() + 4973),
         "not a compiled quiz: 4973 bytes, at least 4974 expected"},
        {"empty", {}, "not a compiled quiz: 0 bytes, at least 4974 expected"},
        {"last record cut short", Bytes(good.begin(), good.end() - 1),
         "2 question records of 1367 bytes do not fit after offset 4974 in 7707 bytes"},
        {"kind 0", With32(good, 4958, 0), "compiled quiz of unknown kind 0"},
        {"kind 4", With32(good, 4958, 4), "compiled quiz of unknown kind 4"},
        {"kind 0x102", With32(good, 4958, 0x102), "compiled quiz of unknown kind 258"},
        {"kind all ones", With32(good, 4958, 0xFFFFFFFF),
         "compiled quiz of unknown kind 4294967295"},
        {"records past the end", With32(good, 4966, 7709),
         "question records at offset 7709 lie outside the compiled quiz of 7708 bytes"},
        {"records inside the head", With32(good, 4966, 100),
         "question records at offset 100 lie outside the compiled quiz of 7708 bytes"},
        // A count whose byte total overflows 32 bits must not wrap into range.
        {"count of all ones", With32(good, 4970, 0xFFFFFFFF),
         "4294967295 question records of 1367 bytes do not fit after offset 4974 in 7708 bytes"},
        {"count wrapping to 435", With32(good, 4970, 3141893),
         "3141893 question records of 1367 bytes do not fit after offset 4974 in 7708 bytes"},
        {"topics after the records", With32(withTopics, 4962, 5000),
         "topic block at offset 5000 does not lie between the directory and the question "
         "records"},
        {"topics inside the head", With32(withTopics, 4962, 10),
         "topic block at offset 10 does not lie between the directory and the question records"},
        {"topic index signature", badSignature, "damaged topic index: wrong signature"},
        // One topic, but no entry follows.
        {"topic entry outside", With32(With32(withTopics, 4974 + 5, 1), 4974 + 9, 13),
         "damaged topic index: index entries beyond the end of the data"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            CompiledQuiz quiz(c.data);
            ADD_FAILURE() << "accepted damaged data";
        } catch (const FormatError& error) {
            EXPECT_EQ(std::string(error.what()), c.reason);
        }
    }
}

} // namespace
} // namespace tavrin
