#include <QPushButton>

#include "core/files/FileIO.h"
#include "core/topics/TopicFile.h"
#include "support/GuiTestSupport.h"
#include "tests/core/TempFolder.h"
#include "ui/present/program/TChangeTextForm.h"
#include "ui/present/program/TIntroEntryForm.h"
#include "ui/present/program/TProgConfigForm.h"

namespace tavrin {
namespace {

using test::click;
using test::findChild;
using test::setChecked;
using test::typeInto;

class ProgramConfigTest : public test::GuiTest {
protected:
    ProgramConfigTest() { InitButtonTexts(screens); }

    // Runs the configuration with `fill` as the author; true when saved.
    bool configure(const std::function<void(QDialog&)>& fill) {
        platform.onDialog("TProgConfigForm", fill);
        return ConfigureProgram(platform, folder.path(), topics, screens, window);
    }

    TempFolder folder;
    std::filesystem::path topics = folder / "QUIZ.QAR";
    ProgramScreens screens;
    ProgramWindow window;
};

// The command dialog opens while the form steps aside (not hidden, which
// would end it); a ticked command left undefined is refused on saving.
TEST_F(ProgramConfigTest, TickedCommandsMustBeDefinedThroughTheirDialogBeforeSaving) {
    platform.onDialog("TCommandTypeForm", [](QDialog& command) { command.reject(); });
    platform.onDialog("TCommandTypeForm", [](QDialog& command) { command.reject(); });
    platform.expectError("The Opening Command has not been defined");
    platform.expectError("The Closing Command has not been defined");
    EXPECT_TRUE(configure([](QDialog& form) {
        setChecked(form, "OpeningCheck", true);
        setChecked(form, "ClosingCheck", true);
        click(form, "OpeningBtn");
        click(form, "OpeningBtn");
        click(form, "SaveBtn");
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.focusWidget(), findChild<QPushButton>(form, "OpeningBtn"));
        setChecked(form, "OpeningCheck", false);
        click(form, "SaveBtn");
        setChecked(form, "ClosingCheck", false);
        click(form, "SaveBtn");
    }));
}

TEST_F(ProgramConfigTest, TheHelpDialogRefusesABadTopicOrAFileOutsideTheQuizFolder) {
    WriteFileAtomically(folder / "QUIZ.HLP", std::string("<html></html>"));
    platform.onDialog("THelpfileForm", [this](QDialog& help) {
        typeInto(help, "TopicEdit", "0");
        platform.expectError("The Starting Topic must be greater than 0.");
        click(help, "OKBtn");
        EXPECT_TRUE(help.isVisible());
        typeInto(help, "HelpFileEdit", "../A.HLP");
        typeInto(help, "TopicEdit", "12");
        platform.expectError("../A.HLP is not a file name in the quiz folder.");
        click(help, "OKBtn");
        test::chooseItem(help, "FileListBox1", "QUIZ.HLP");
        click(help, "OKBtn");
    });
    EXPECT_TRUE(configure([](QDialog& form) {
        setChecked(form, "HelpCheck", true);
        click(form, "HelpBtn");
        click(form, "SaveBtn");
    }));
    EXPECT_TRUE(window.useHelpFile());
    EXPECT_EQ(window.helpFile(), "QUIZ.HLP");
    EXPECT_EQ(window.helpStartTopic(), 12);
}

// Writing an introduction on Save is the presentation run's flow; clearing one
// is refused and removes it alone.
TEST_F(ProgramConfigTest, AClearedIntroductionIsRefusedAndRemovedAlone) {
    AppendIntroduction(topics, {"{\\rtf1\\ansi Hello learners}"});
    screens.setShowIntroduction(true);
    std::vector<std::string> lines;
    AppendCommandTopic(topics, "Q1", 2, "A.BMP,0", "HYPER");
    platform.onDialog("TIntroEntryForm", [](QDialog& editor) {
        click(editor, "ClearAllBtn");
        click(editor, "OKBtn");
    });
    platform.expectError("The Introduction has not been entered.");
    EXPECT_TRUE(configure([](QDialog& form) {
        click(form, "IntroBtn");
        click(form, "SaveBtn");
    }));
    EXPECT_FALSE(screens.showIntroduction());
    EXPECT_FALSE(ReadIntroduction(topics, lines));
    EXPECT_TRUE(FindTopic(topics, "Q1", "HYPER", lines)) << "other topics stay";
}

TEST_F(ProgramConfigTest, CancelAtAnyLevelLeavesTheLevelAboveUnchanged) {
    // Configuration -> introduction editor -> screen design -> title bar.
    platform.onDialog("TVPDesignTitleForm", [](QDialog& bar) {
        typeInto(bar, "Edit1", "Changed");
        click(bar, "OKBtn");
    });
    platform.onDialog("TIntroDesignForm", [](QDialog& design) {
        setChecked(design, "TitleCheck", true);
        click(design, "TitleBtn");
        click(design, "CancelBtn");
    });
    platform.onDialog("TIntroEntryForm", [](QDialog& editor) {
        click(editor, "AdjustBtn");
        click(editor, "OKBtn");
    });
    const auto before = screens.introScreen();
    EXPECT_TRUE(configure([](QDialog& form) {
        setChecked(form, "IntroCheck", true);
        click(form, "IntroBtn");
        setChecked(form, "IntroCheck", false);
        click(form, "SaveBtn");
    }));
    EXPECT_FALSE(screens.introScreen().useTitleBar());
    EXPECT_EQ(screens.introScreen().titleBarText(), before.titleBarText());
}

TEST_F(ProgramConfigTest, MenuTextDefaultsResetTheHiddenButtonTextsToo) {
    screens.setQuitButtonText("&Stop");
    screens.setMediaInstruction("Go");
    platform.onDialog("TChangeTextForm", [](QDialog& texts) {
        typeInto(texts, "CloseEdit", "&Shut");
        click(texts, "DefaultsBtn");
        EXPECT_EQ(test::textOf(texts, "CloseEdit"), "&Close");
        click(texts, "OKBtn");
    });
    EXPECT_TRUE(ChangeMenuTexts(platform, screens));
    EXPECT_EQ(screens.quitButtonText(), "&Quit");
    EXPECT_EQ(screens.mediaInstruction(), "Press the Start button");
}

} // namespace
} // namespace tavrin
