#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "core/bytes/FileError.h"
#include "core/topics/TopicIndex.h"
#include "core/topics/TopicIndexBuilder.h"

namespace tavrin {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Lines = std::vector<std::string>;

Bytes Text(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes Zeros(std::size_t count) {
    return Bytes(count, 0);
}

const std::string kTwoTopics = "junk before the first head\r\n"
                               "[Q1]\r\nsource=HYPER\r\ntype=3\r\ncommand=a.wav\r\n]\r\n\r\n"
                               "[^INTRODUCTION^]\r\nsource=INTRO\r\ntext=\r\nHi\r\n]\r\n";

// The index of kTwoTopics, written out field by field.
const Bytes kTwoTopicsIndex = Concat({
    {0x03, 'W', 'R', '1', 0x00}, // signature string[4] "WR1"
    {0x02, 0x00, 0x00, 0x00},    // topic count 2
    {0x55, 0x00, 0x00, 0x00},    // index offset 85
    // offset 13: first block, 36 bytes
    Text("[Q1]\r\nHYPER\r\ntype=3\r\ncommand=a.wav\r\n"),
    // offset 49: second block, 36 bytes
    Text("[^INTRODUCTION^]\r\nINTRO\r\ntext=\r\nHi\r\n"),
    // offset 85: entry 1
    {0x04, '[', 'Q', '1', ']'},
    Zeros(56),                // name string[60]
    {0x0D, 0x00, 0x00, 0x00}, // start 13
    {0x24, 0x00, 0x00, 0x00}, // length 36
    {0x05, 'H', 'Y', 'P', 'E', 'R'},
    Zeros(5), // source string[10]
    // offset 165: entry 2
    {0x10},
    Text("[^INTRODUCTION^]"),
    Zeros(44),
    {0x31, 0x00, 0x00, 0x00}, // start 49
    {0x24, 0x00, 0x00, 0x00}, // length 36
    {0x05, 'I', 'N', 'T', 'R', 'O'},
    Zeros(5),
});

TEST(TopicIndexBuilder, WritesHeaderBlocksAndEntriesByteForByte) {
    EXPECT_EQ(BuildTopicIndexBytes(kTwoTopics), kTwoTopicsIndex);
}

// The block as it leaves a stream fed `text` in pieces of `piece` bytes.
Bytes Streamed(std::string_view text, std::size_t piece) {
    Bytes block;
    TopicIndexStream stream(
        [&](std::string_view bytes) { block.insert(block.end(), bytes.begin(), bytes.end()); });
    for (std::size_t at = 0; at < text.size(); at += piece)
        stream.feed(text.substr(at, piece));
    const TopicIndexHeader header = stream.finish();
    EXPECT_EQ(stream.size(), block.size());
    std::copy(header.bytes().begin(), header.bytes().end(), block.begin());
    return block;
}

std::string WithLfLineEnds(std::string text) {
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;)
        text.erase(at, 1);
    return text;
}

// Line ends are made CR LF wherever a piece happens to end: within a line,
// between CR and LF, or at the end of a text whose last line has no end.
TEST(TopicIndexBuilder, TextFedInPiecesOfAnySizeGivesTheSameBytes) {
    const std::string variants[] = {
        kTwoTopics,
        WithLfLineEnds(kTwoTopics),
        // One LF line amid CR LF lines ends a run of lines passed on whole.
        kTwoTopics.substr(0, kTwoTopics.find("type=3") + 6) + "\n" +
            kTwoTopics.substr(kTwoTopics.find("type=3") + 8),
        kTwoTopics.substr(0, kTwoTopics.size() - 1),
        WithLfLineEnds(kTwoTopics.substr(0, kTwoTopics.size() - 2)),
        kTwoTopics.substr(0, kTwoTopics.find("Hi\r\n") + 3),
        kTwoTopics.substr(0, kTwoTopics.find("Hi\r\n") + 2),
    };
    for (const auto& text : variants) {
        for (std::size_t piece : {1u, 2u, 3u, 5u, 7u, 4096u}) {
            SCOPED_TRACE(testing::Message() << "piece " << piece << " of " << text);
            EXPECT_EQ(Streamed(text, piece), kTwoTopicsIndex);
        }
    }
}

// The first entries wait in memory, later ones in a temporary file with them:
// every entry comes out once, in file order, on both sides of the switch.
TEST(TopicIndexBuilder, EntriesKeepTheirOrderPastTheOnesHeldInMemory) {
    const std::string topic = "]\r\nsource=S\r\n]\r\n";
    std::string text;
    for (int i = 0; i < 9000; ++i)
        text += "[T" + std::to_string(i) + topic;
    const Bytes block = BuildTopicIndexBytes(text);
    const TopicIndex index(block);
    ASSERT_EQ(index.size(), 9000u);
    std::int32_t start = 13;
    for (std::size_t i = 0; i < index.size(); ++i) {
        // Each block: the head line and the source value, each with CR LF.
        const std::string head = "[T" + std::to_string(i) + "]";
        ASSERT_EQ(index.entry(i).name(), head) << i;
        ASSERT_EQ(index.entry(i).start(), start) << i;
        start += static_cast<std::int32_t>(head.size() + 5);
    }
}

TEST(TopicIndexBuilder, TextWithoutHeadLinesGivesTheBareHeaderThatReadsBack) {
    const Bytes header = {0x03, 'W', 'R', '1', 0x00, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(BuildTopicIndexBytes(""), header);
    EXPECT_EQ(BuildTopicIndexBytes("just text\r\n]\r\n"), header);
    TopicIndex reader(header);
    EXPECT_EQ(reader.size(), 0u);
    EXPECT_FALSE(reader.findTopic("Q1", "HYPER"));
}

TEST(TopicIndexBuilder, CutsLongNamesAndSourcesButKeepsTheFullHeadInTheBlock) {
    const std::string name(70, 'N');
    const Bytes index =
        BuildTopicIndexBytes("[" + name + "]\r\nsource=ABCDEFGHIJKLM\r\ntype=3\r\n]\r\n");
    const Bytes block = Text("[" + name + "]\r\nABCDEFGHIJ\r\ntype=3\r\n");
    ASSERT_EQ(index.size(), 13 + block.size() + 80);
    EXPECT_EQ(Bytes(index.begin() + 13, index.begin() + 13 + block.size()), block);
    const auto entry = index.begin() + 13 + block.size();
    EXPECT_EQ(entry[0], 60);
    EXPECT_EQ(entry[1], '[');
    EXPECT_EQ(entry[60], 'N');
    EXPECT_EQ(Bytes(entry + 69, entry + 80), Concat({{0x0A}, Text("ABCDEFGHIJ")}));

    TopicIndex reader(index);
    EXPECT_EQ(reader.topicName(0), name);
    EXPECT_TRUE(reader.findTopic(name, "ABCDEFGHIJ"));
}

TEST(TopicIndexBuilder, BracketLinesInsideTextSplitAndEndBlocks) {
    const Bytes index = BuildTopicIndexBytes("[A]\r\nsource=HYPER\r\ntype=1\r\n]stop\r\nlost\r\n"
                                             "[B]\r\nsource=HYPER\r\n[C]\r\nsource=HYPER\r\nx\r\n");
    TopicIndex reader(index);
    ASSERT_EQ(reader.size(), 3u);
    EXPECT_EQ(reader.blockLines(0), (Lines{"[A]", "HYPER", "type=1"}));
    EXPECT_EQ(reader.blockLines(1), (Lines{"[B]", "HYPER"}));
    EXPECT_EQ(reader.blockLines(2), (Lines{"[C]", "HYPER", "x"}));
}

TEST(TopicIndexReader, ReadsTheHandWrittenIndex) {
    TopicIndex reader(kTwoTopicsIndex);
    ASSERT_EQ(reader.size(), 2u);
    EXPECT_EQ(reader.entry(1).start(), 49);
    EXPECT_EQ(reader.topicName(1), "^INTRODUCTION^");
    EXPECT_EQ(reader.findTopic("^introduction^", "INTRO"),
              (Lines{"^INTRODUCTION^", "source=INTRO", "text=", "Hi", "]"}));
    Lines text{"kept"};
    EXPECT_TRUE(reader.readIntroduction(text));
    EXPECT_EQ(text, (Lines{"kept", "Hi"}));
    const Bytes noIntroduction = BuildTopicIndexBytes("[Q1]\r\nsource=HYPER\r\n]\r\n");
    EXPECT_FALSE(TopicIndex(noIntroduction).readIntroduction(text));
}

void PutU32(Bytes& bytes, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

TEST(TopicIndexReader, RejectsDamagedHeaders) {
    const Bytes shortHeader = {0x03, 'W', 'R', '1', 0x00, 0, 0};
    EXPECT_THROW(TopicIndex{shortHeader}, FormatError);
    Bytes wrong = kTwoTopicsIndex;
    wrong[3] = '2';
    EXPECT_THROW(TopicIndex{wrong}, FormatError);

    for (std::uint32_t count : {0x80000000u, 0x7FFFFFFFu, 3u}) {
        Bytes damaged = kTwoTopicsIndex;
        PutU32(damaged, 5, count);
        EXPECT_THROW(TopicIndex{damaged}, FormatError) << count;
    }
    for (std::uint32_t offset : {0u, 12u, 166u, 0xFFFFFFB0u}) {
        Bytes damaged = kTwoTopicsIndex;
        PutU32(damaged, 9, offset);
        EXPECT_THROW(TopicIndex{damaged}, FormatError) << offset;
    }
}

TEST(TopicIndexReader, RejectsEntriesPointingOutsideTheData) {
    const std::size_t entry = 85;
    const std::pair<std::uint32_t, std::uint32_t> cases[] = {
        {246, 0},                   // start past the end
        {200, 46},                  // end past the end
        {0x7FFFFFF0u, 0x7FFFFFF0u}, // would overflow 32 bits
        {0xFFFFFFF0u, 0x20},        // negative start
        {13, 0xFFFFFFFFu},          // negative length
    };
    for (const auto& [start, length] : cases) {
        Bytes damaged = kTwoTopicsIndex;
        PutU32(damaged, entry + 61, start);
        PutU32(damaged, entry + 65, length);
        EXPECT_THROW(TopicIndex{damaged}, FormatError) << start << " " << length;
    }
}

} // namespace
} // namespace tavrin
