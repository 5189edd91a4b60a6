#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"
#include "core/settings/QuizSettings.h"
#include "core/settings/ScoreGroup.h"
#include "tests/core/RecordBytes.h"
#include "tests/core/TempFolder.h"

namespace tavrin {
namespace {

using Bytes = std::vector<std::uint8_t>;

using testing::expectAt;
using testing::pstr;

Bytes newQuizFileBytes(const std::filesystem::path& file) {
    QuizSettings settings;
    InitQuizSettings(settings);
    SaveQuizSettings(file, settings);
    return ReadFileBytes(file);
}

class NewQuizSettings : public ::testing::Test {
protected:
    TempFolder folder;
    const Bytes data = newQuizFileBytes(folder / "NEW.QAJ");
};

TEST_F(NewQuizSettings, FileIsOneRecordWithTheVersionAndQuizScreenDefaults) {
    ASSERT_EQ(data.size(), 4958u);

    expectAt(data, 0, {0x03, 0x32, 0x2E, 0x31, 0x00}); // "2.1", fifth byte unused
    expectAt(data, 5, {0x01, 0x00, 0x00, 0x00});       // take all; preview, review, disk off
    expectAt(data, 9, {0x00});                         // results file name empty
    expectAt(data, 90, {0x00, 0x00});                  // printer, swap file off
    expectAt(data, 92, {0xC0, 0xC0, 0xC0, 0x00});      // question screen
    expectAt(data, 96, {0x00, 0x00});                  // no title bar, empty title
    expectAt(data, 158, pstr("16 0 1 Times New Roman"));
    expectAt(data, 209, {0xC0, 0xC0, 0xC0, 0x00}); // title bar colour
    expectAt(data, 213, {0x01});                   // score bar on
    // Score panel, its text, score bar, progress.
    expectAt(data, 214,
             {0xC0, 0xC0, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00,
              0xFF, 0x00});
    // Question box, text, highlight, selected.
    expectAt(data, 230,
             {0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00,
              0x00, 0x00});
    // Answer box, text, highlight; input box, text.
    expectAt(data, 246, {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0x00,
                         0x00, 0x00, 0xC0, 0xC0, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00});
    expectAt(data, 266, {0x32, 0x00, 0x00, 0x00}); // pass 50 %
    expectAt(data, 270, {0xFF, 0x00, 0x00, 0x00}); // fail: red
    expectAt(data, 274, {0x00, 0xFF, 0x00, 0x00}); // pass: green
    expectAt(data, 278, Bytes(33, 0x00));          // reserved, feedback, groups, limits
    expectAt(data, 311, {0xC0, 0xC0, 0xC0, 0x00}); // reserved colour
}

TEST_F(NewQuizSettings, ProgramScreensDefaults) {
    expectAt(data, 315, {0x00, 0x00, 0x00}); // no introduction; intro title bar off, empty
    expectAt(data, 316 + 82, pstr("16 0 1 Times New Roman"));
    expectAt(data, 316 + 133, {0xC0, 0xC0, 0xC0, 0x00, 0x00, 0x00});
    expectAt(data, 316 + 219, pstr("8 0 0 Times New Roman"));
    expectAt(data, 316 + 270, {0xC0, 0xC0, 0xC0, 0x00});
    // Introduction text window at 590.
    expectAt(data, 590,
             {0xFF, 0xFF, 0xFF, 0x00, // VPBack white
              0x01,                   // fullscreen
              0x01, 0x00, 0x00, 0x00, // displaytype plain colour
              0xC0, 0xC0, 0xC0, 0x00, // Sbackcolor
              0x00});                 // SGraphic empty
    expectAt(data, 590 + 164, {0x00});
    expectAt(data, 905, {0x78, 0x00, 0x00, 0x00, // VPLeft 120
                         0x50, 0x00, 0x00, 0x00, // VPTop 80
                         0x90, 0x01, 0x00, 0x00, // VPWidth 400
                         0xC8, 0x00, 0x00, 0x00, // VPHeight 200
                         0x01, 0x00, 0x00, 0x00, // RLTop
                         0x01, 0x00, 0x00, 0x00, // RLLeft
                         0x00,                   // print
                         0x01,                   // use menu bar (930)
                         0x00});                 // opening flag (931)
    expectAt(data, 932, Bytes(1010, 0x00));      // opening command all zero
    expectAt(data, 1942, Bytes(1011, 0x00));     // closing flag and command
    expectAt(data, 2953, Bytes(579, 0x00));      // about flag and box
    expectAt(data, 3532, pstr("&About"));
    expectAt(data, 3549, pstr("&Help"));
    expectAt(data, 3566, pstr("&Quit"));
    expectAt(data, 3583, pstr("&Close"));
    expectAt(data, 3600, pstr("&Print"));
    expectAt(data, 3617, pstr("&Find"));
    expectAt(data, 3634, pstr("Press the Start button"));
}

TEST_F(NewQuizSettings, ProgramWindowAndCustomTextDefaults) {
    expectAt(data, 3660, Bytes(390, 0x00)); // title .. video advisory all empty / off
    expectAt(data, 4050, {0x01, 0x00, 0x00, 0x00, 0xC0, 0xC0, 0xC0, 0x00, 0x00});
    expectAt(data, 4209, {0x00});

    expectAt(data, 4360, pstr("Quiz Results"));
    expectAt(data, 4391, pstr("Questions Answered"));
    expectAt(data, 4412, pstr("Correct Answers"));
    expectAt(data, 4433, pstr("Select a Question to View"));
    expectAt(data, 4474, pstr("Question"));
    expectAt(data, 4490, pstr("Answer"));
    expectAt(data, 4506, pstr("&Information"));
    expectAt(data, 4520, pstr("&All Questions"));
    expectAt(data, 4537, pstr("&Incorrect Only"));
    expectAt(data, 4554, pstr("Total Questions"));
    expectAt(data, 4575, pstr("Questions to take"));
    expectAt(data, 4596, pstr("Score"));
    expectAt(data, 4605, pstr("Answered"));
    expectAt(data, 4616, pstr("Correct"));
    expectAt(data, 4627, pstr("Select a Question"));
    expectAt(data, 4668, pstr("Select an Answer"));
    expectAt(data, 4709, pstr("&Continue"));
    expectAt(data, 4721, pstr("&Quit"));
    expectAt(data, 4733, pstr("&Next"));
    expectAt(data, 4745, pstr("All results will be lost. Quit anyway?"));
    expectAt(data, 4816, pstr("Would you like to preview the Questions?"));
    expectAt(data, 4887, pstr("Would you like to study the Questions?"));
    EXPECT_EQ(data[4887 + 1 + 38], 0x00); // the last byte of the record stays zero
}

TEST(QuizSettingsFields, AccessorsReachTheirDocumentedBytes) {
    QuizSettings s;
    s.setTitleBarText(std::string(70, 'T'));
    EXPECT_EQ(s.titleBarText(), std::string(60, 'T'));
    EXPECT_EQ(s.bytes()[97], 60);
    s.setGroupLimit(4, 0x01020304);
    expectAt(s.bytes(), 307, {0x04, 0x03, 0x02, 0x01});
    s.setGroupHasFeedback(10, true);
    EXPECT_EQ(s.bytes()[289], 1);
    EXPECT_THROW(s.setGroupHasFeedback(11, true), std::out_of_range);
    EXPECT_THROW(s.groupLimit(5), std::out_of_range);

    ProgramWindow window = s.programWindow();
    window.setHelpStartTopic(7);
    window.setBackgroundWallpaper("TILE.BMP");
    s.setProgramWindow(window);
    expectAt(s.bytes(), 4045, {0x07, 0x00, 0x00, 0x00});
    expectAt(s.bytes(), 4209, pstr("TILE.BMP"));

    ProgramScreens screens = s.programScreens();
    CommandRecord closing;
    closing.setCommandType(6);
    closing.setRunCommand("SHOW.BMP,DING.WAV,5");
    screens.setClosingCommand(closing);
    AboutBoxDesign about;
    about.setCommentLine(4, "last");
    screens.setAboutBox(about);
    s.setProgramScreens(screens);
    expectAt(s.bytes(), 1943, {0x06, 0x00});
    expectAt(s.bytes(), 1943 + 809, pstr("SHOW.BMP,DING.WAV,5"));
    expectAt(s.bytes(), 2954 + 512, pstr("last"));
}

class QuizSettingsFile : public ::testing::Test {
protected:
    TempFolder folder;
};

TEST_F(QuizSettingsFile, LoadsTheFirstRecordOfALongerFileByteForByte) {
    const auto file = folder.path() / "LONG.QAJ";
    Bytes raw(5000);
    for (std::size_t i = 0; i < raw.size(); ++i)
        raw[i] = static_cast<std::uint8_t>(i * 7);
    WriteFileAtomically(file, raw);
    expectAt(LoadQuizSettings(file).bytes(), 0, Bytes(raw.begin(), raw.begin() + 4958));
}

TEST_F(QuizSettingsFile, EarlierFormatIsRecognisedByItsFirstFiveBytes) {
    const auto file = folder.path() / "QUIZ.QAJ";
    for (const auto& [bytes, earlier] : {std::pair{Bytes{0x04, '2', '.', '0', '1', 0x01}, true},
                                         {Bytes{0x03, '2', '.', '1', '1'}, false},
                                         {Bytes{0x04, '2', '.'}, false}}) {
        WriteFileAtomically(file, bytes);
        EXPECT_EQ(IsEarlierQuizFile(file), earlier) << bytes.size();
    }
}

TEST(ScoreGroupRule, ByTensWhenTheAuthorDefinedNone) {
    QuizSettings s;
    for (const auto& [percent, group] :
         {std::pair{100, 10}, {99, 9}, {10, 1}, {9, 0}, {0, 0}, {150, 10}, {-5, 0}})
        EXPECT_EQ(ScoreGroup(percent, s), group) << percent;
}

TEST(ScoreGroupRule, AuthorLimitsUpToTheLastGroupWithALimit) {
    QuizSettings s;
    s.setScoreGroupsDefined(true);
    for (int p : {0, 1, 50, 100})
        EXPECT_EQ(ScoreGroup(p, s), 0) << "no limits put everyone in group 0";
    const int limits[] = {40, 60, 80, 100, 0};
    for (int g = 0; g < 5; ++g)
        s.setGroupLimit(g, limits[g]);
    for (const auto& [percent, group] :
         {std::pair{0, 0}, {39, 0}, {40, 1}, {79, 2}, {85, 3}, {99, 3}, {100, 3}})
        EXPECT_EQ(ScoreGroup(percent, s), group) << percent;

    s.setGroupLimit(4, 101);
    EXPECT_EQ(ScoreGroup(100, s), 4);
}

} // namespace
} // namespace tavrin
