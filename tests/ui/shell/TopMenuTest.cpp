#include "core/project/ProjectState.h"
#include "support/GuiTestSupport.h"
#include "ui/shell/QuizProjects.h"
#include "ui/shell/TNquizMainForm.h"
#include "ui/shell/TQAMainForm.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace tavrin {
namespace {

class TopMenuTest : public test::GuiTest {
protected:
    void SetUp() override {
        StartUpProjectState(state, (temp.path() + "/tavrin").toStdString(), 24);
    }

    QTemporaryDir temp;
    ProjectState state;
    ManagerServices services;
};

// The first tick shows the menu centred, after warning of a low-colour screen.
TEST_F(TopMenuTest, StartUpWarnsOfFewColoursAndShowsTheMenuCentredAfterTheFirstTick) {
    platform.setScreenColourDepth(8);
    platform.expectInfo("Your video Display mode is set at 256 colors.\n\r\n\r"
                        "The graphics in this program need High Color\n\r"
                        "or True Color. At the Start Menu select Settings\n\r"
                        "then Control Panel then Display - Settings to\n\r"
                        "change the video Display mode");
    TNquizMainForm menu(platform, "Tavrin for Windows Ver 2.2", {});
    EXPECT_EQ(menu.TitlePnl->text(), "Tavrin for Windows - Ver 2.2");
    menu.resize(1000, 700);
    menu.show();
    EXPECT_FALSE(menu.menuPnl->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return menu.menuPnl->isVisible(); }, 2000));
    EXPECT_FALSE(menu.Timer1->isActive());
    EXPECT_EQ(menu.focusWidget(), menu.HelpBtn);
    const QRect panel = menu.menuPnl->geometry();
    EXPECT_EQ(panel.left(), menu.width() / 2 - panel.width() / 2);
    EXPECT_EQ(panel.top(), menu.height() / 2 - panel.height() / 2);
}

TEST_F(TopMenuTest, EachKindButtonOpensItsManagerWithNoQuizThenHelpAboutAndQuit) {
    state.quizFile = "/somewhere/OLD.QAJ";
    TNquizMainForm::Actions actions;
    actions.openManager = [this](QuizKind kind) {
        RunQuizManager(platform, state, services, kind, nullptr);
    };
    TNquizMainForm menu(platform, "T", actions);
    menu.Timer1Timer();
    platform.onDialog("TQAMainForm", [&](QDialog& dialog) {
        auto& manager = static_cast<TQAMainForm&>(dialog);
        EXPECT_TRUE(menu.menuPnl->isHidden());
        EXPECT_EQ(manager.ProjectLbl->text(), "None Selected");
        EXPECT_FALSE(manager.AddBtn->isEnabled());
        manager.QuitBtn->click();
    });
    menu.SelectBtn->click();
    EXPECT_FALSE(menu.menuPnl->isHidden());
    EXPECT_FALSE(state.hasQuiz());
    EXPECT_EQ(state.quizKind, QuizKind::QA);

    platform.onDialog("TTImainform", [](QDialog& dialog) { dialog.reject(); });
    menu.NewBtn->click();
    EXPECT_EQ(state.quizKind, QuizKind::TI);
    platform.onDialog("TMCmainform", [](QDialog& dialog) { dialog.reject(); });
    menu.Button1->click();
    EXPECT_EQ(state.quizKind, QuizKind::MC);

    platform.expectHelp(1);
    menu.HelpBtn->click();
    platform.onDialog("TQuizaboutform", [](QDialog& about) { test::click(about, "CloseBtn"); });
    menu.AboutBtn->click();
    menu.show();
    menu.QuitBtn->click();
    EXPECT_FALSE(menu.isVisible());
}

} // namespace
} // namespace tavrin
