#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/files/FileIO.h"
#include "core/topics/TopicFile.h"
#include "core/topics/TopicIndex.h"
#include "core/topics/TopicIndexBuilder.h"
#include "core/topics/TopicText.h"
#include "core/topics/TopicTextWriter.h"
#include "tests/core/TempFolder.h"

namespace tavrin {
namespace {

using Lines = std::vector<std::string>;
using namespace std::string_literals;

TEST(TopicMalformedInput, BinaryAndNulBytesAreOrdinaryLineContent) {
    const std::string text =
        "\xff\xfe\x00\x01\r\n[Q\x00\xe9]\r\nsource=HYPER\r\n\x00\x00\r\n]\r\n"s;
    const TopicText topics(text);
    EXPECT_EQ(topics.findTopic("Q\x00\xe9"s, "HYPER"),
              (Lines{"Q\x00\xe9"s, "source=HYPER", "\x00\x00"s, "]"}));
    Lines names;
    topics.listTopicsForSource(names, "hyper");
    EXPECT_EQ(names, Lines{"Q\x00\xe9"s});
    TempFolder folder;
    WriteFileAtomically(folder / "Q.TIR", text);
    EXPECT_FALSE(DeleteTopic(folder / "Q.TIR", "q\x00\xc9"s, "HYPER")) << "only a to z are folded";
    EXPECT_TRUE(DeleteTopic(folder / "Q.TIR", "Q\x00\xe9"s, "HYPER"));
}

TEST(TopicMalformedInput, MegabyteLinesAreHandledWhole) {
    const std::string longName(1 << 20, 'n');
    const std::string longLine(1 << 20, 'x');
    const std::string text = "[" + longName + "]\r\nsource=HYPER\r\n" + longLine + "\r\n]\r\n";
    const auto found = TopicText(text).findTopic(longName, "HYPER");
    ASSERT_TRUE(found);
    EXPECT_EQ((*found)[2].size(), longLine.size());

    const auto index = BuildTopicIndexBytes(text);
    const TopicIndex reader(index);
    ASSERT_EQ(reader.size(), 1u);
    EXPECT_EQ(reader.entry(0).name().size(), 60u);
    EXPECT_EQ(reader.topicName(0), longName);
    EXPECT_TRUE(reader.findTopic(longName, "HYPER"));
}

TEST(TopicMalformedInput, HeadLinesWithoutClosingBracketLoseTheirLastCharacter) {
    const std::string text = "[Q12\r\nsource=HYPER\r\n]\r\n[\r\nsource=HYPER\r\n]\r\n";
    const TopicText topics(text);
    EXPECT_TRUE(topics.findTopic("Q1", "HYPER"));
    EXPECT_FALSE(topics.findTopic("Q12", "HYPER"));
    EXPECT_EQ(topics.findTopic("", "HYPER"), (Lines{"", "source=HYPER", "]"}));
}

TEST(TopicMalformedInput, TopicWithoutClosingLineRunsToTheNextClosingLine) {
    // Replace and delete skip to the next line that is exactly "]".
    const std::string text = "[A]\r\nsource=HYPER\r\ntype=3\r\n"
                             "[B]\r\nsource=HYPER\r\ntype=3\r\n]\r\n\r\nafter\r\n";
    TempFolder folder;
    WriteFileAtomically(folder / "Q.TIR", text);
    EXPECT_TRUE(DeleteTopic(folder / "Q.TIR", "A", "HYPER"));
    EXPECT_EQ(ReadFileText(folder / "Q.TIR"), "after\r\n");
    EXPECT_EQ(TopicText(text).findTopic("A", "HYPER")->size(), 7u);
}

TEST(TopicMalformedInput, BareLineFeedsAreReadAndRewrittenAsCrLf) {
    const std::string text = "[A]\nsource=HYPER\n]\n\n[B]\nsource=HYPER\n]\n";
    EXPECT_TRUE(TopicText(text).contains("b", "hyper"));
    TempFolder folder;
    WriteFileAtomically(folder / "Q.TIR", text);
    EXPECT_TRUE(DeleteTopic(folder / "Q.TIR", "A", "HYPER"));
    EXPECT_EQ(ReadFileText(folder / "Q.TIR"), "[B]\r\nsource=HYPER\r\n]\r\n");
}

TEST(TopicMalformedInput, TextLinesHoldingLineBreaksAreStoredAsSeparateLines) {
    TopicTextWriter writer;
    writer.introduction({"one\r\ntwo", "three"}, false);
    EXPECT_EQ(writer.text(),
              "[^INTRODUCTION^]\r\nsource=INTRO\r\ntext=\r\none\r\ntwo\r\nthree\r\n]\r\n");
}

TEST(TopicMalformedInput, EmptyLineFreeAndCutOffTexts) {
    EXPECT_FALSE(TopicText("").findTopic("", ""));
    TempFolder folder;
    const auto file = folder / "Q.TIR";
    WriteFileAtomically(file, "\r\n\r\n");
    EXPECT_FALSE(DeleteTopic(file, "A", "HYPER"));
    EXPECT_FALSE(std::filesystem::exists(file)) << "a file of empty lines goes";
    Lines intro;
    EXPECT_FALSE(TopicText("[^INTRO").readIntroduction(intro) && !intro.empty());
    // A head line at the very end has no source.
    EXPECT_FALSE(TopicText("[A]").findTopic("A", ""));
    WriteFileAtomically(file, "[A]");
    EXPECT_FALSE(DeleteTopic(file, "A", ""));
    const auto index = BuildTopicIndexBytes("[A]");
    EXPECT_EQ(TopicIndex(index).blockLines(0), (Lines{"[A]", ""}));
}

} // namespace
} // namespace tavrin
