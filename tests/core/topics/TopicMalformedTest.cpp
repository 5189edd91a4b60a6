#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/files/FileIO.h"
#include "core/topics/TopicFile.h"
#include "core/topics/TopicIndex.h"
#include "core/topics/TopicIndexBuilder.h"
#include "core/topics/TopicTextWriter.h"
#include "tests/core/TempFolder.h"

namespace tavrin {
namespace {

using Lines = std::vector<std::string>;
using namespace std::string_literals;

// Damaged topic files, read and rewritten through the routines the program uses.
class TopicMalformedInput : public ::testing::Test {
protected:
    std::optional<Lines> find(const std::string& text, const std::string& name,
                              const std::string& source = "HYPER") {
        WriteFileAtomically(file_, text);
        Lines lines;
        return FindTopic(file_, name, source, lines) ? std::optional(lines) : std::nullopt;
    }
    bool remove(const std::string& text, const std::string& name,
                const std::string& source = "HYPER") {
        WriteFileAtomically(file_, text);
        return DeleteTopic(file_, name, source);
    }
    std::string read() const { return ReadFileText(file_); }

    TempFolder temp;
    std::filesystem::path file_ = temp / "Q.TIR";
};

TEST_F(TopicMalformedInput, BinaryAndNulBytesAreOrdinaryLineContent) {
    const std::string text =
        "\xff\xfe\x00\x01\r\n[Q\x00\xe9]\r\nsource=HYPER\r\n\x00\x00\r\n]\r\n"s;
    EXPECT_EQ(find(text, "Q\x00\xe9"s), (Lines{"Q\x00\xe9"s, "source=HYPER", "\x00\x00"s, "]"}));
    Lines names;
    ListTopicsForSource(names, file_, "hyper");
    EXPECT_EQ(names, Lines{"Q\x00\xe9"s});
    EXPECT_FALSE(remove(text, "q\x00\xc9"s)) << "only a to z are folded";
    EXPECT_TRUE(remove(text, "Q\x00\xe9"s));
}

// Lines far longer than one read of the file arrive whole.
TEST_F(TopicMalformedInput, MegabyteLinesAreHandledWhole) {
    const std::string longName(1 << 20, 'n');
    const std::string longLine(1 << 20, 'x');
    const std::string text = "[" + longName + "]\r\nsource=HYPER\r\n" + longLine + "\r\n]\r\n";
    const auto found = find(text, longName);
    ASSERT_TRUE(found);
    EXPECT_EQ((*found)[2].size(), longLine.size());

    const auto index = BuildTopicIndexBytes(text);
    const TopicIndex reader(index);
    ASSERT_EQ(reader.size(), 1u);
    EXPECT_EQ(reader.entry(0).name().size(), 60u);
    EXPECT_EQ(reader.topicName(0), longName);
    EXPECT_TRUE(reader.findTopic(longName, "HYPER"));
}

TEST_F(TopicMalformedInput, HeadLinesWithoutClosingBracketLoseTheirLastCharacter) {
    const std::string text = "[Q12\r\nsource=HYPER\r\n]\r\n[\r\nsource=HYPER\r\n]\r\n";
    EXPECT_TRUE(find(text, "Q1"));
    EXPECT_FALSE(find(text, "Q12"));
    EXPECT_EQ(find(text, ""), (Lines{"", "source=HYPER", "]"}));
}

TEST_F(TopicMalformedInput, TopicWithoutClosingLineRunsToTheNextClosingLine) {
    const std::string text = "[A]\r\nsource=HYPER\r\ntype=3\r\n"
                             "[B]\r\nsource=HYPER\r\ntype=3\r\n]\r\n\r\nafter\r\n";
    EXPECT_EQ(find(text, "A")->size(), 7u);
    EXPECT_TRUE(remove(text, "A"));
    EXPECT_EQ(read(), "after\r\n");
}

TEST_F(TopicMalformedInput, BareLineFeedsAreReadAndRewrittenAsCrLf) {
    const std::string text = "[A]\nsource=HYPER\n]\n\n[B]\nsource=HYPER\n]\n";
    EXPECT_TRUE(remove(text, "A"));
    EXPECT_EQ(read(), "[B]\r\nsource=HYPER\r\n]\r\n");
    EXPECT_TRUE(TopicExists(file_, "b", "", "hyper"));
}

TEST_F(TopicMalformedInput, TextLinesHoldingLineBreaksAreStoredAsSeparateLines) {
    TopicTextWriter writer;
    writer.introduction({"one\r\ntwo", "three"}, false);
    EXPECT_EQ(writer.text(),
              "[^INTRODUCTION^]\r\nsource=INTRO\r\ntext=\r\none\r\ntwo\r\nthree\r\n]\r\n");
}

TEST_F(TopicMalformedInput, EmptyLineFreeAndCutOffTexts) {
    EXPECT_FALSE(find("", ""));
    EXPECT_FALSE(remove("\r\n\r\n", "A"));
    EXPECT_FALSE(std::filesystem::exists(file_)) << "a file of empty lines goes";
    WriteFileAtomically(file_, "[^INTRO");
    Lines intro;
    EXPECT_FALSE(ReadIntroduction(file_, intro) && !intro.empty());
    // A head line at the very end has no source.
    EXPECT_FALSE(find("[A]", "A", ""));
    EXPECT_FALSE(remove("[A]", "A", ""));
    const auto index = BuildTopicIndexBytes("[A]");
    EXPECT_EQ(TopicIndex(index).blockLines(0), (Lines{"[A]", ""}));
}

} // namespace
} // namespace tavrin
