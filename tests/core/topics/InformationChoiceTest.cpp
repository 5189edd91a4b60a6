#include <gtest/gtest.h>

#include <filesystem>

#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"
#include "core/topics/InformationChoice.h"
#include "core/topics/TopicFile.h"
#include "tests/core/TempFolder.h"

namespace tavrin {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> commandTopic(const std::string& type, const std::string& command) {
    return {"Q1", "source=HYPER", "type=" + type, "command=" + command, "]"};
}

TEST(InformationChoice, LoadsEachCommandKindIntoItsOwnField) {
    InformationChoice picture = LoadInformationChoice(commandTopic("2", "pic.jpg,35"));
    EXPECT_TRUE(picture.editing);
    EXPECT_EQ(picture.oldTopicName, "Q1");
    EXPECT_EQ(picture.graphicFile, "pic.jpg");
    EXPECT_EQ(picture.duration, 35);
    EXPECT_EQ(picture.chosenType, 2);
    EXPECT_EQ(picture.expectedType, 2);

    InformationChoice both = LoadInformationChoice(commandTopic("6", "a.bmp,b.wav,12"));
    EXPECT_EQ(both.graphicFile, "a.bmp");
    EXPECT_EQ(both.soundFile, "b.wav");
    EXPECT_EQ(both.duration, 12);

    EXPECT_EQ(LoadInformationChoice(commandTopic("3", "v.wav")).voiceFile, "v.wav");
    EXPECT_EQ(LoadInformationChoice(commandTopic("7", "m.avi")).videoFile, "m.avi");
    EXPECT_EQ(LoadInformationChoice(commandTopic("8", "t.mid")).midiFile, "t.mid");
    EXPECT_EQ(LoadInformationChoice(commandTopic("13", "n.txt")).notesFile, "n.txt");
    for (const char* type : {"4", "9", "10"}) { // program kinds keep their own type
        const InformationChoice choice = LoadInformationChoice(commandTopic(type, "x.exe,-a"));
        EXPECT_EQ(choice.program, "x.exe,-a");
        EXPECT_EQ(choice.expectedType, std::stoi(type));
        EXPECT_EQ(OptionForLinkType(choice.chosenType), 4);
    }
    // An unknown type selects the first option and cannot be saved.
    const InformationChoice unknown = LoadInformationChoice(commandTopic("11", "x"));
    EXPECT_EQ(unknown.expectedType, 1);
    EXPECT_EQ(CheckInformationSave(unknown, false), SaveVerdict::NoData);
    // A duration that is no number stops the opening.
    EXPECT_THROW(LoadInformationChoice(commandTopic("2", "pic.jpg,abc")), FormatError);
    EXPECT_THROW(LoadInformationChoice(commandTopic("6", "a.bmp,b.wav,")), FormatError);
}

TEST(InformationChoice, SaveChecks) {
    InformationChoice choice;
    EXPECT_EQ(CheckInformationSave(choice, false), SaveVerdict::NoData) << "fresh menu";
    choice.chosenType = 2;
    choice.command = "a.jpg,0";
    choice.expectedType = 3;
    EXPECT_EQ(CheckInformationSave(choice, false), SaveVerdict::NoData);
    choice.expectedType = 2;
    EXPECT_EQ(CheckInformationSave(choice, false), SaveVerdict::Save);
    choice.command.clear();
    EXPECT_EQ(CheckInformationSave(choice, false), SaveVerdict::StayOpen);
    choice.chosenType = choice.expectedType = 1;
    EXPECT_EQ(CheckInformationSave(choice, false), SaveVerdict::NoText);
    choice.textLines = {"{\\rtf1 x}"};
    EXPECT_EQ(CheckInformationSave(choice, false), SaveVerdict::Save);
    choice.chosenType = choice.expectedType = 13;
    choice.command = "notes.txt";
    EXPECT_EQ(CheckInformationSave(choice, false), SaveVerdict::StayOpen);
    EXPECT_EQ(CheckInformationSave(choice, true), SaveVerdict::Save);
}

class InformationSaveTest : public ::testing::Test {
protected:
    std::string read() const { return ReadFileText(file_); }
    TempFolder temp;
    fs::path file_ = temp / "QUIZ.TIR";
};

TEST_F(InformationSaveTest, ADisplayTopicReadBackIsWrittenTheSame) {
    ViewPortDesign design = DefaultViewPortDesign();
    design.setFullscreen(false);
    design.setVpBack(0x00FFFF);
    design.setVpLeft(33);
    design.setVpTop(44);
    AppendDisplayTopic(file_, "Q1", 1, design, {"{\\rtf1 hello", "}"}, "HYPER");
    const std::string before = read();
    std::vector<std::string> lines;
    ASSERT_TRUE(FindTopic(file_, "Q1", "HYPER", lines));
    const InformationChoice choice = LoadInformationChoice(lines);
    EXPECT_EQ(choice.textLines, (std::vector<std::string>{"{\\rtf1 hello", "}"}));
    ASSERT_EQ(CheckInformationSave(choice, false), SaveVerdict::Save);
    SaveInformationTopic(file_, "Q1", choice);
    EXPECT_EQ(read(), before);
}

} // namespace
} // namespace tavrin
