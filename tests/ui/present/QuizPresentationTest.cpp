#include <QCoreApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/files/FileIO.h"
#include "core/project/ProjectState.h"
#include "core/topics/TopicFile.h"
#include "support/GuiTestSupport.h"
#include "tests/core/TempFolder.h"
#include "ui/present/quiz/TQCustForm.h"
#include "ui/present/quiz/TQPresentForm.h"

namespace tavrin {
namespace {

using test::click;
using test::findChild;
using test::textOf;
using test::typeInto;

// Focus leaves the edit for another control of the dialog.
void leave(const QDialog& form, const QString& editName) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(findChild<QLineEdit>(form, editName), &out);
}

// An open quiz, with its files in a fresh folder, reached
// through the presentation menu of the managers.
class QuizPresentationTest : public test::GuiTest {
protected:
    void SetUp() override {
        ASSERT_EQ(
            state.StartNewQuiz(folder.path(), "BIRDS", [](const std::string&) { return true; }),
            OpenResult::kOpened);
    }
    QuizSettings onDisk() const { return LoadQuizSettings(state.quizFile); }
    // Opens the menu, presses `button`, and closes the menu afterwards.
    void fromMenu(const QString& button) {
        platform.onDialog("TQCustForm", [button](QDialog& menu) {
            click(menu, button);
            click(menu, "CloseBtn");
        });
        RunQuizPresentation(platform, state);
    }
    void fromResultsMenu(const QString& button) {
        platform.onDialog("TResMenuForm", [button](QDialog& menu) {
            click(menu, button);
            click(menu, "CloseBtn");
        });
        fromMenu("ResultsBtn");
    }

    TempFolder folder;
    ProjectState state;
};

TEST_F(QuizPresentationTest, SwitchesReachMemoryAtOnceAndTheFileOnlyOnSave) {
    state.settings.setUseTitleBar(false);
    platform.onDialog("TQPresentForm", [](QDialog& form) {
        click(form, "TitleCheckBox");
        EXPECT_TRUE(findChild<QPushButton>(form, "TitleBtn")->isEnabled());
        click(form, "ScoreCheckBox");
        click(form, "CancelBtn");
    });
    fromMenu("DisplayBtn");
    EXPECT_TRUE(state.settings.useTitleBar());
    EXPECT_FALSE(state.settings.useScoreBar());
    EXPECT_FALSE(onDisk().useTitleBar()) << "Cancel writes no file";

    platform.onDialog("TQPresentForm", [](QDialog& form) { click(form, "SaveBtn"); });
    RunQuestionDisplayDesign(platform, state);
    EXPECT_TRUE(onDisk().useTitleBar());
    EXPECT_FALSE(onDisk().useScoreBar());
}

TEST_F(QuizPresentationTest, QuitTextIsStoredTwiceAndDefaultsThenCancelKeepTheTexts) {
    platform.onDialog("TCustomTextForm", [](QDialog& form) {
        typeInto(form, "QuitEdit", "&Stop the quiz");
        typeInto(form, "ScoreEdit", "Points");
        typeInto(form, "MediaEdit", "Press Play");
        click(form, "SaveBtn");
    });
    fromMenu("TextBtn");
    const QuizSettings saved = onDisk();
    EXPECT_EQ(saved.programScreens().quitButtonText(), "&Stop the quiz");
    EXPECT_EQ(saved.customTexts().scoreLabel(), "Points");
    EXPECT_EQ(state.mediaInstruction, "Press Play");

    platform.onDialog("TCustomTextForm", [](QDialog& form) {
        click(form, "DefaultsBtn");
        EXPECT_EQ(textOf(form, "ScoreEdit"), "Score");
        click(form, "CancelBtn");
    });
    fromMenu("TextBtn");
    EXPECT_EQ(state.settings.customTexts().scoreLabel(), "Points");
    EXPECT_EQ(state.settings.programScreens().mediaInstruction(), "Press Play");
    EXPECT_EQ(state.mediaInstruction, "Press the Start button");
}

TEST_F(QuizPresentationTest, ResultsFileNameIsKeptWithItsFlagCleared) {
    platform.onDialog("TFunctionsForm", [](QDialog& form) {
        click(form, "DiskCheckBox");
        EXPECT_TRUE(findChild<QGroupBox>(form, "FileNameGroup")->isVisible());
        typeInto(form, "FileNameEdit", "RESULTS.TXT");
        click(form, "DiskCheckBox");
        click(form, "PrinterCheckBox");
        click(form, "SaveBtn");
    });
    fromMenu("FunctionsBtn");
    const QuizSettings saved = onDisk();
    EXPECT_FALSE(saved.saveResultsToDisk());
    EXPECT_EQ(saved.resultsFileName(), "RESULTS.TXT");
    EXPECT_TRUE(saved.saveResultsToPrinter());
}

TEST_F(QuizPresentationTest, PassPercentageRefusalsResetTheEditAndNothingHalfTypedIsSaved) {
    platform.onDialog("TQDesignRForm", [this](QDialog& form) {
        typeInto(form, "Edit1", "abc");
        platform.expectError("That is not a valid number");
        leave(form, "Edit1");
        EXPECT_EQ(textOf(form, "Edit1"), "50");
        typeInto(form, "Edit1", "");
        platform.expectError("The pass percentage must be entered");
        click(form, "SaveBtn");
        EXPECT_TRUE(form.isVisible());
        typeInto(form, "Edit1", "65");
        platform.expectColour(0x123456);
        click(form, "PassBtn");
        click(form, "SaveBtn");
    });
    fromResultsMenu("GraphBtn");
    const QuizSettings saved = onDisk();
    EXPECT_EQ(saved.passPercentage(), 65);
    EXPECT_EQ(saved.passGraphColour(), 0x123456u);
}

TEST_F(QuizPresentationTest, GroupLimitsAreRefusedOrderedAndSaved) {
    platform.onDialog("TGroupScoreForm", [this](QDialog& form) {
        typeInto(form, "Edit1", "30");
        typeInto(form, "Edit2", "20");
        platform.expectError("Group 1 percentage is lower than Group 0.");
        click(form, "SaveBtn");
        EXPECT_EQ(form.focusWidget(), findChild<QLineEdit>(form, "Edit2"));
        typeInto(form, "Edit2", "60");
        click(form, "SaveBtn");
    });
    fromResultsMenu("GroupsBtn");
    const QuizSettings saved = onDisk();
    EXPECT_TRUE(saved.scoreGroupsDefined());
    const int limits[] = {30, 60, 0, 0, 0};
    for (int group = 0; group < 5; ++group)
        EXPECT_EQ(saved.groupLimit(group), limits[group]);
}

TEST_F(QuizPresentationTest, GroupFeedbackIsAddedThroughTheFeedbackMenuAndDeletedAtOnce) {
    platform.onDialog("TCommentsForm", [this](QDialog& form) {
        click(form, "RadioButton8");
        platform.onDialog("THypMenuForm", [](QDialog& menu) {
            EXPECT_EQ(textOf(menu, "Edit1"), "GROUP 7 FEEDBACK");
            menu.findChild<QRadioButton*>("RadioButton9")->click();
            click(menu, "Button9");
            click(menu, "SaveBtn");
        });
        platform.onDialog("TNoteFileForm", [](QDialog& dialog) {
            typeInto(dialog, "Edit1", "well.txt");
            click(dialog, "OKBtn");
        });
        click(form, "AddEditBtn");
        EXPECT_FALSE(textOf(form, "Panel8").isEmpty());
        EXPECT_TRUE(LoadQuizSettings(state.quizFile).groupHasFeedback(7));
        std::vector<std::string> topic;
        EXPECT_TRUE(FindTopic(state.topicFile, "GROUP 7 FEEDBACK", "HYPER", topic));

        click(form, "DeleteBtn");
        EXPECT_TRUE(textOf(form, "Panel8").isEmpty());
        click(form, "CloseBtn");
    });
    fromResultsMenu("FeedbackBtn");
    EXPECT_EQ(ReadFileBytes(state.quizFile).at(286), 0);
    std::vector<std::string> topic;
    EXPECT_FALSE(FindTopic(state.topicFile, "GROUP 7 FEEDBACK", "HYPER", topic));
}

} // namespace
} // namespace tavrin
