#include <gtest/gtest.h>

#include <filesystem>

#include "core/build/Distribution.h"
#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"
#include "core/settings/QuizSettings.h"
#include "tests/core/CompiledQuizFixtures.h"

namespace tavrin {
namespace {

using testing::Bytes;
using testing::CommandTopicText;
namespace fs = std::filesystem;
using Names = std::vector<std::string>;

void Touch(const TempFolder& folder, const std::string& name) {
    WriteFileAtomically(folder / name, name);
}

QuizSettings NewSettings() {
    QuizSettings settings;
    InitQuizSettings(settings);
    return settings;
}

// Settings naming a file in every place that counts, each switched on.
QuizSettings SettingsNamingFiles() {
    QuizSettings settings = NewSettings();
    ProgramScreens screens = settings.programScreens();
    screens.setRunOpeningCommand(true);
    CommandRecord opening;
    opening.setCommandType(6);
    opening.setGraphicAndSoundGraphic("open.bmp");
    opening.setGraphicAndSoundSound("open.wav");
    screens.setOpeningCommand(opening);
    screens.setRunClosingCommand(true);
    CommandRecord closing;
    closing.setCommandType(4);
    closing.setProgramCommand("bye.exe,/quiet");
    screens.setClosingCommand(closing);
    screens.setShowAboutBox(true);
    AboutBoxDesign about = screens.aboutBox();
    about.setIconFile("about.ico");
    screens.setAboutBox(about);
    screens.setShowIntroduction(true);
    IntroScreenDesign intro = screens.introScreen();
    ViewPortDesign window = intro.textWindow();
    window.setDisplaytype(3);
    window.setSGraphic("stale.bmp"); // not shown: the wallpaper is
    window.setSWallpaper("tile.bmp");
    intro.setTextWindow(window);
    screens.setIntroScreen(intro);
    settings.setProgramScreens(screens);

    ProgramWindow program = settings.programWindow();
    program.setUseIcon(true);
    program.setIconFile("quiz.ico");
    program.setUseHelpFile(true);
    program.setHelpFile("quiz.hlp");
    program.setBackgroundKind(2);
    program.setBackgroundGraphic("BACK.JPG");
    program.setBackgroundWallpaper("unused.bmp");
    settings.setProgramWindow(program);
    return settings;
}

TEST(GatherSettingsFiles, ProgramWithDocumentCountsOnlyAnExistingDocument) {
    TempFolder folder;
    QuizSettings settings = NewSettings();
    ProgramScreens screens = settings.programScreens();
    screens.setRunOpeningCommand(true);
    CommandRecord command;
    command.setCommandType(9);
    command.setProgramCommand("write.exe notes.txt");
    screens.setOpeningCommand(command);
    settings.setProgramScreens(screens);

    DistributionList absent;
    GatherSettingsFiles(settings, folder.path(), absent);
    EXPECT_TRUE(absent.names().empty());

    Touch(folder, "NOTES.TXT");
    DistributionList present;
    GatherSettingsFiles(settings, folder.path(), present);
    EXPECT_EQ(present.names(), (Names{"notes.txt"}));
}

class DistributionFolder : public ::testing::Test {
protected:
    DistributionFolder() {
        fs::create_directories(quiz.path());
        fs::create_directories(program.path());
        Touch(program, "vorlandt.exe");
        WriteFileAtomically(quiz / "TOUR.TIJ", "settings");
        WriteFileAtomically(quiz / "TOUR.EXE", "program");
        WriteFileAtomically(quiz / "TOUR.TIC", "compiled");
    }

    DistributionRequest request(bool executable) const {
        DistributionRequest r;
        r.files = QuizFileSet::named(quiz.path(), QuizKind::TI, "TOUR.TIJ");
        r.settings = NewSettings();
        r.programFolder = program.path();
        r.destination = destination.path() / "out";
        r.executable = executable;
        return r;
    }

    Names copiedNames() const {
        Names names;
        for (const auto& entry : fs::directory_iterator(destination.path() / "out"))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempFolder quiz;
    TempFolder program;
    TempFolder destination;
};

TEST_F(DistributionFolder, GathersTopicFilesByLinkType) {
    WriteFileAtomically(
        quiz / "TOUR.TIR",
        CommandTopicText("Q1", 2, "map.bmp,50") + CommandTopicText("Q2", 3, "bell.wav") +
            CommandTopicText("Q3", 6, "a.bmp,b.wav,20") + CommandTopicText("Q4", 4, "calc.exe,-x") +
            CommandTopicText("Q5", 9, "write.exe gone.txt") +
            CommandTopicText("Q6", 13, "missing.txt") + CommandTopicText("Q7", 10, "page.htm") +
            testing::DisplayTopicText("Q8", 5, "pic,ture.bmp", "", "") +
            testing::DisplayTopicText("Q9", 5, "scene.jpg", "paper.bmp", "") +
            CommandTopicText("GROUP 1 FEEDBACK", 13, "well.txt") +
            CommandTopicText("Q10", 2, "MAP.BMP,10"));
    Touch(quiz, "well.txt");
    Names asked;
    const auto list = GatherDistributionFiles(request(true).files, NewSettings(),
                                              [&](const std::string& program) {
                                                  asked.push_back(program);
                                                  return true;
                                              });
    EXPECT_EQ(list.names(), (Names{"map.bmp", "bell.wav", "a.bmp", "b.wav", "calc.exe", "page.htm",
                                   "scene.jpg", "paper.bmp", "well.txt"}));
    EXPECT_EQ(asked, (Names{"calc.exe"}));

    const auto withoutPrograms = GatherDistributionFiles(request(true).files, NewSettings(),
                                                         [](const std::string&) { return false; });
    EXPECT_EQ(
        std::count(withoutPrograms.names().begin(), withoutPrograms.names().end(), "calc.exe"), 0);
}

TEST_F(DistributionFolder, ListsEveryMissingFileAndCopiesNothing) {
    auto r = request(false);
    r.settings = SettingsNamingFiles();
    WriteFileAtomically(quiz / "TOUR.TIR", CommandTopicText("Q1", 3, "gone.wav"));

    const auto outcome = PrepareDistribution(r);
    EXPECT_FALSE(outcome.copied);
    EXPECT_EQ(outcome.messages,
              (Names{"The file open.bmp is missing.", "The file open.wav is missing.",
                     "The file bye.exe is missing.", "The file about.ico is missing.",
                     "The file tile.bmp is missing.", "The file quiz.ico is missing.",
                     "The file quiz.hlp is missing.", "The file BACK.JPG is missing.",
                     "The file gone.wav is missing."}));
    EXPECT_FALSE(fs::exists(destination.path() / "out"));
}

TEST_F(DistributionFolder, CompiledChoiceBringsTheQuizRunnerAndNoExecutable) {
    const auto outcome = PrepareDistribution(request(false));
    ASSERT_TRUE(outcome.copied);
    EXPECT_EQ(copiedNames(), (Names{"TOUR.TIC", "vorlandt.exe"}));
    EXPECT_EQ(ReadFileBytes(destination.path() / "out" / "TOUR.TIC"),
              ReadFileBytes(quiz / "TOUR.TIC"));

    auto mediaOnly = request(false);
    mediaOnly.includeProgramFiles = false;
    mediaOnly.destination = destination.path() / "media";
    EXPECT_TRUE(PrepareDistribution(mediaOnly).copied);
    EXPECT_TRUE(fs::is_empty(destination.path() / "media"));
}

TEST_F(DistributionFolder, RefusesMissingBuildOutputAndRunner) {
    fs::remove(quiz / "TOUR.EXE");
    EXPECT_EQ(PrepareDistribution(request(true)).messages,
              (Names{"TOUR.EXE was not found.\r\nPlease create the Executable program."}));
    fs::remove(quiz / "TOUR.TIC");
    EXPECT_EQ(PrepareDistribution(request(false)).messages,
              (Names{"TOUR.TIC was not found.\r\nPlease compile the Quiz."}));

    WriteFileAtomically(quiz / "TOUR.TIC", "compiled");
    fs::remove(program / "vorlandt.exe");
    const auto outcome = PrepareDistribution(request(false));
    EXPECT_FALSE(outcome.copied);
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_NE(outcome.messages[0].find("vorlandt.exe is missing."), std::string::npos);
}

TEST_F(DistributionFolder, RefusesTheQuizFolderButAcceptsASubfolder) {
    auto r = request(true);
    r.destination = quiz.path();
    EXPECT_EQ(PrepareDistribution(r).messages,
              (Names{"Files cannot be copied to Project directory."}));
    EXPECT_EQ(DestinationRefusal(quiz.path() / "." / "", quiz.path()),
              "Files cannot be copied to Project directory.");

    r.destination = quiz.path() / "learners";
    EXPECT_TRUE(PrepareDistribution(r).copied);
    EXPECT_TRUE(fs::exists(quiz.path() / "learners" / "TOUR.EXE"));
}

TEST_F(DistributionFolder, ReportsADestinationThatCannotBeMade) {
    auto r = request(true);
    WriteFileAtomically(destination / "file", "x");
    r.destination = destination.path() / "file" / "sub";
    EXPECT_EQ(PrepareDistribution(r).messages, (Names{"Unable to create the directory"}));
}

} // namespace
} // namespace tavrin
