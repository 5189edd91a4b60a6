#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QTextEdit>
#include <functional>

#include "core/settings/IntroScreenDesign.h"
#include "core/settings/ProgramScreens.h"
#include "core/settings/ProgramWindow.h"
#include "support/GuiTestSupport.h"
#include "ui/present/TIntDispForm.h"

namespace tavrin {
namespace {

using test::findChild;

class IntroductionScreenTest : public test::GuiTest {
protected:
    IntroductionScreenTest() {
        InitButtonTexts(screens);
        IntroScreenDesign intro = DefaultIntroScreenDesign();
        intro.setUseMenuBar(true);
        intro.setUseTitleBar(true);
        ViewPortDesign text = intro.textWindow();
        text.setFullscreen(false);
        text.setVpLeft(100);
        text.setVpTop(50);
        text.setVpWidth(300);
        text.setVpHeight(200);
        intro.setTextWindow(text);
        screens.setIntroScreen(intro);
        window.setProgramTitle("Rivers of Europe");
    }
    void show(const std::function<void(QDialog&)>& check) {
        platform.onDialog("TIntDispForm", check);
        ShowIntroduction(platform, {}, screens, window, lines);
    }

    ProgramScreens screens;
    ProgramWindow window;
    std::vector<std::string> lines{"{\\rtf1\\ansi Welcome", "}"};
};

TEST_F(IntroductionScreenTest, TextSitsInItsWindowBelowTheBarsAndCloseEndsIt) {
    show([](QDialog& screen) {
        EXPECT_EQ(screen.windowTitle(), "Rivers of Europe");
        // Without an about box or a help file the menu offers Close alone.
        EXPECT_NE(screen.findChild<QAction*>("Close1"), nullptr);
        EXPECT_EQ(screen.findChild<QAction*>("About1"), nullptr);
        EXPECT_EQ(screen.findChild<QAction*>("Help1"), nullptr);
        auto* area = findChild<QWidget>(screen, "ScreenArea");
        EXPECT_EQ(area->y(), findChild<QLabel>(screen, "TitleBar")->geometry().bottom() + 1);
        EXPECT_EQ(findChild<QFrame>(screen, "TextPanel")->geometry(), QRect(100, 50, 300, 200));
        EXPECT_TRUE(findChild<QTextEdit>(screen, "RichEdit1")->toPlainText().contains("Welcome"));
        screen.findChild<QAction*>("Close1")->trigger();
    });
}

TEST_F(IntroductionScreenTest, FullScreenTextFillsTheAreaAndARightClickOnTheBackgroundCloses) {
    IntroScreenDesign intro = screens.introScreen();
    ViewPortDesign text = intro.textWindow();
    text.setFullscreen(true);
    intro.setTextWindow(text);
    screens.setIntroScreen(intro);
    screens.setShowAboutBox(true);
    window.setUseHelpFile(true);
    window.setHelpStartTopic(7);
    show([this](QDialog& screen) {
        auto* area = findChild<QWidget>(screen, "ScreenArea");
        EXPECT_EQ(findChild<QFrame>(screen, "TextPanel")->geometry(), area->rect());
        platform.expectHelp(7);
        screen.findChild<QAction*>("Help1")->trigger();
        EXPECT_TRUE(screen.isVisible());
        QTest::mouseClick(&screen, Qt::RightButton, {}, QPoint(5, 5));
    });
}

} // namespace
} // namespace tavrin
