#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"
#include "core/settings/ViewPortDesign.h"
#include "core/topics/TopicFile.h"
#include "tests/core/CompiledQuizFixtures.h"

namespace tavrin {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using testing::CommandTopicText;

class TopicFileTest : public ::testing::Test {
protected:
    void TearDown() override { SetFileFaultHook(nullptr); }
    void write(const std::string& text) { WriteFileAtomically(file_, text); }
    std::string read() const { return ReadFileText(file_); }
    Lines find(const std::string& name) const {
        Lines lines;
        EXPECT_TRUE(FindTopic(file_, name, "HYPER", lines)) << name;
        return lines;
    }

    TempFolder temp;
    const fs::path& folder_ = temp.path();
    fs::path file_ = temp / "QUIZ.TIR";
};

// Topics as the file stores them, written out by the test's own helper.
const std::string kPictureTopic = CommandTopicText("Q1", 2, "picture.bmp,50");
const std::string kSoundTopic = CommandTopicText("Q2", 3, "bell.wav");

TEST_F(TopicFileTest, AppendCommandTopicCreatesThenExtendsTheFile) {
    AppendCommandTopic(file_, "Q1", 2, "picture.bmp,50", "HYPER");
    EXPECT_EQ(read(), kPictureTopic);
    AppendCommandTopic(file_, "Q2", 3, "bell.wav", "HYPER");
    EXPECT_EQ(read(), kPictureTopic + kSoundTopic);
}

TEST_F(TopicFileTest, AppendDisplayTopicWritesEveryFieldInOrder) {
    ViewPortDesign design = DefaultViewPortDesign();
    design.setFullscreen(false);
    design.setSBackColor(0x123456);
    design.setSGraphic("back.jpg");
    design.setVpBack(0x8000000F);
    design.setVpLeft(-5);
    AppendDisplayTopic(file_, "Q 7", 1, design, {"{\\rtf1 hello", "}"}, "HYPER");
    EXPECT_EQ(read(), "[Q 7]\r\n"
                      "source=HYPER\r\n"
                      "type=1\r\n"
                      "displaytype=1\r\n"
                      "fullscreen=false\r\n"
                      "Sbackcolor=$00123456\r\n"
                      "SGraphic=back.jpg\r\n"
                      "SWallpaper=\r\n"
                      "VPBack=clBtnFace\r\n"
                      "VPLeft=-5\r\n"
                      "VPTop=80\r\n"
                      "VPWidth=400\r\n"
                      "VPHeight=200\r\n"
                      "RLTop=1\r\n"
                      "RLLeft=1\r\n"
                      "print=false\r\n"
                      "text=\r\n"
                      "{\\rtf1 hello\r\n"
                      "}\r\n"
                      "]\r\n"
                      "\r\n");
}

TEST_F(TopicFileTest, AppendAfterALastLineWithoutEndKeepsThatLineWhole) {
    write("stray");
    AppendCommandTopic(file_, "Q2", 3, "bell.wav", "HYPER");
    EXPECT_EQ(read(), "stray\r\n" + kSoundTopic);
}

TEST_F(TopicFileTest, AppendRefusesLineBreaksInNamesAndCommands) {
    EXPECT_THROW(AppendCommandTopic(file_, "Q1\r\n[X]", 3, "a.wav", "HYPER"), FormatError);
    EXPECT_THROW(AppendCommandTopic(file_, "Q1", 3, "a.wav\n]", "HYPER"), FormatError);
    EXPECT_FALSE(fs::exists(file_));
}

TEST_F(TopicFileTest, ReplaceKeepsThePlaceAndTakesTheNewName) {
    const std::string third = CommandTopicText("Q3", 7, "a.avi");
    write(kPictureTopic + kSoundTopic + third);
    EXPECT_TRUE(ReplaceCommandTopic(file_, "Q2NEW", "q2", 8, "tune.mid", "hyper"));
    EXPECT_EQ(read(), kPictureTopic +
                          "[Q2NEW]\r\nsource=hyper\r\ntype=8\r\ncommand=tune.mid\r\n]\r\n\r\n" +
                          third);
}

TEST_F(TopicFileTest, ReplaceActsOnEveryMatchOrAddsTheTopicAtTheEnd) {
    const std::string other = "[Q1]\r\nsource=OTHER\r\ntype=3\r\ncommand=x.wav\r\n]\r\n\r\n";
    write(kPictureTopic + other + kPictureTopic);
    EXPECT_TRUE(ReplaceCommandTopic(file_, "Q1", "Q1", 3, "new.wav", "HYPER"));
    const std::string replaced = CommandTopicText("Q1", 3, "new.wav");
    EXPECT_EQ(read(), replaced + other + replaced);

    write(kPictureTopic);
    EXPECT_FALSE(ReplaceCommandTopic(file_, "Q2", "GONE", 3, "bell.wav", "HYPER"));
    EXPECT_EQ(read(), kPictureTopic + kSoundTopic);
}

TEST_F(TopicFileTest, DeleteRemovesTheTopicAndItsEmptyLine) {
    const std::pair<std::string, std::string> cases[] = {
        {"note\r\n" + kPictureTopic + kSoundTopic, "note\r\n" + kSoundTopic},
        // No empty line between the two topics: the next head must survive.
        {"[Q1]\r\nsource=HYPER\r\ntype=3\r\ncommand=a.wav\r\n]\r\n" + kSoundTopic, kSoundTopic},
        // Text lines beginning with a bracket do not end the topic.
        {"[Q1]\r\nsource=HYPER\r\ntype=1\r\n[not a head\r\n]x\r\n]\r\n\r\n" + kSoundTopic,
         kSoundTopic},
    };
    for (const auto& [before, after] : cases) {
        write(before);
        EXPECT_TRUE(DeleteTopic(file_, "q1", "Hyper"));
        EXPECT_EQ(read(), after);
    }
}

TEST_F(TopicFileTest, DeleteOfTheLastTopicDeletesTheFile) {
    write("\r\n" + kPictureTopic + "\r\n");
    EXPECT_TRUE(DeleteTopic(file_, "Q1", "HYPER"));
    EXPECT_FALSE(fs::exists(file_));
    EXPECT_FALSE(DeleteTopic(file_, "Q1", "HYPER"));
}

TEST_F(TopicFileTest, DeleteOfAMissingTopicLeavesTheFileAsItWas) {
    const std::string text = kPictureTopic + "[Q2]\nsource=HYPER\n]\n";
    write(text);
    EXPECT_FALSE(DeleteTopic(file_, "Q9", "HYPER"));
    EXPECT_FALSE(DeleteTopic(file_, "Q1", "INTRO"));
    EXPECT_EQ(read(), text);
}

TEST_F(TopicFileTest, FindReturnsTheLastMatchUpToTheClosingLineOrTheEnd) {
    write(kPictureTopic + "[q1]\r\nsource=hyper\r\ntype=3\r\ncommand=later.wav\r\n]\r\n\r\n");
    EXPECT_EQ(find("Q1"), (Lines{"q1", "source=hyper", "type=3", "command=later.wav", "]"}));
    write("[Q1]\r\nsource=HYPER\r\ntype=3\r\ncommand=a.wav");
    EXPECT_EQ(find("Q1"), (Lines{"Q1", "source=HYPER", "type=3", "command=a.wav"}));

    Lines lines{"kept"};
    EXPECT_FALSE(FindTopic(file_, "Q1", "INTRO", lines));
    EXPECT_FALSE(FindTopic(file_, "Q1 ", "HYPER", lines));
    EXPECT_FALSE(FindTopic(folder_ / "NONE.TIR", "Q1", "HYPER", lines));
    EXPECT_EQ(lines, Lines{"kept"});
}

TEST_F(TopicFileTest, ExistsAndListRules) {
    write(kPictureTopic + "[^INTRODUCTION^]\r\nsource=INTRO\r\ntext=\r\n]\r\n" + kSoundTopic);
    EXPECT_TRUE(TopicExists(file_, "q1", "", "HYPER"));
    EXPECT_FALSE(TopicExists(file_, "Q1", "q1", "HYPER"));
    EXPECT_FALSE(TopicExists(file_, "Q1", "", "INTRO"));
    EXPECT_FALSE(TopicExists(folder_ / "NONE.TIR", "Q1", "", "HYPER"));

    Lines names{"first"};
    ListTopicsForSource(names, file_, "HYPER");
    ListTopicsForSource(names, folder_ / "NONE.TIR", "HYPER");
    EXPECT_EQ(names, (Lines{"first", "Q1", "Q2"}));
}

TEST_F(TopicFileTest, IntroductionIsAppendedReadAndReplacedInPlace) {
    write(kPictureTopic);
    AppendIntroduction(file_, {"{\\rtf1", "}"});
    EXPECT_EQ(read(), kPictureTopic +
                          "[^INTRODUCTION^]\r\nsource=INTRO\r\ntext=\r\n{\\rtf1\r\n}\r\n]\r\n\r\n");
    Lines text{"before"};
    ASSERT_TRUE(ReadIntroduction(file_, text));
    EXPECT_EQ(text, (Lines{"before", "{\\rtf1", "}"}));

    AppendCommandTopic(file_, "Q2", 3, "bell.wav", "HYPER");
    ReplaceIntroduction(file_, {"new"});
    EXPECT_EQ(read(), kPictureTopic + "[^INTRODUCTION^]\r\nsource=INTRO\r\ntext=\r\nnew\r\n]\r\n" +
                          "\r\n" + kSoundTopic);
}

TEST_F(TopicFileTest, ReplaceIntroductionKeepsOneWhenSeveralWereStored) {
    write("[^INTRODUCTION^]\r\nsource=INTRO\r\ntext=\r\nA\r\n]\r\n"
          "[^INTRODUCTION^]\r\nsource=INTRO\r\ntext=\r\nB\r\n]\r\n");
    Lines text;
    ASSERT_TRUE(ReadIntroduction(file_, text));
    EXPECT_EQ(text, (Lines{"A", "B"}));
    ReplaceIntroduction(file_, text);
    EXPECT_EQ(read(), "[^INTRODUCTION^]\r\nsource=INTRO\r\ntext=\r\nA\r\nB\r\n]\r\n");
}

TEST_F(TopicFileTest, ReadIntroductionStopsAtAnyLineBeginningWithClosingBracketOrTheEnd) {
    const std::string head = "[^INTRODUCTION^]\r\nsource=INTRO\r\ntext=\r\n";
    for (const auto& [body, expected] :
         {std::pair<std::string, Lines>{"A\r\n\r\n]end\r\nB\r\n]\r\n", {"A", ""}},
          {"A\r\nB", {"A", "B"}}}) {
        write(head + body);
        Lines text;
        ASSERT_TRUE(ReadIntroduction(file_, text));
        EXPECT_EQ(text, expected);
    }
}

TEST_F(TopicFileTest, UpgradeJoinsEarlierCommandValuesWithCommas) {
    const std::string program = CommandTopicText("Q3", 4, "prog.exe arg");
    write(CommandTopicText("Q1", 2, "pic.bmp 50") +
          CommandTopicText("Q2", 6, "pic.bmp snd.wav 20 x") + program);
    UpgradeTopicFile(file_);
    EXPECT_EQ(read(), CommandTopicText("Q1", 2, "pic.bmp,50") +
                          CommandTopicText("Q2", 6, "pic.bmp,snd.wav,20 x") + program);
    UpgradeTopicFile(folder_ / "NONE.TIR");
    EXPECT_FALSE(fs::exists(folder_ / "NONE.TIR"));
}

// Each rewrite goes through the atomic writer: a failed one keeps the stored topics.
TEST_F(TopicFileTest, FailedRewriteLeavesThePreviousFileIntact) {
    const std::string text = kPictureTopic + kSoundTopic;
    write(text);
    SetFileFaultHook([](std::string_view step, const fs::path&) { return step != "rename"; });
    EXPECT_THROW(DeleteTopic(file_, "Q1", "HYPER"), FileError);
    EXPECT_THROW(ReplaceCommandTopic(file_, "Q2", "Q2", 3, "x.wav", "HYPER"), FileError);
    EXPECT_THROW(ReplaceIntroduction(file_, {"x"}), FileError);
    SetFileFaultHook(nullptr);
    EXPECT_EQ(read(), text);
}

} // namespace
} // namespace tavrin
