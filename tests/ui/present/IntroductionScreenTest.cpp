#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QTextEdit>

#include "core/settings/IntroScreenDesign.h"
#include "core/settings/ProgramScreens.h"
#include "core/settings/ProgramWindow.h"
#include "support/GuiTestSupport.h"
#include "ui/present/TIntDispForm.h"

namespace tavrin {
namespace {

using test::findChild;

class IntroductionScreenTest : public test::GuiTest {};

// Without an about box the menu offers no About; the text fills the area
// below the title bar; a right click on the background ends the screen.
TEST_F(IntroductionScreenTest, FullScreenTextSitsBelowTheBarsHelpOpensAndARightClickCloses) {
    ProgramScreens screens;
    InitButtonTexts(screens);
    IntroScreenDesign intro = DefaultIntroScreenDesign();
    intro.setUseMenuBar(true);
    intro.setUseTitleBar(true);
    ViewPortDesign text = intro.textWindow();
    text.setFullscreen(true);
    intro.setTextWindow(text);
    screens.setIntroScreen(intro);
    ProgramWindow window;
    window.setUseHelpFile(true);
    window.setHelpStartTopic(7);
    platform.onDialog("TIntDispForm", [this](QDialog& screen) {
        EXPECT_EQ(screen.findChild<QAction*>("About1"), nullptr);
        auto* area = findChild<QWidget>(screen, "ScreenArea");
        EXPECT_EQ(area->y(), findChild<QLabel>(screen, "TitleBar")->geometry().bottom() + 1);
        EXPECT_EQ(findChild<QFrame>(screen, "TextPanel")->geometry(), area->rect());
        EXPECT_TRUE(findChild<QTextEdit>(screen, "RichEdit1")->toPlainText().contains("Welcome"));
        platform.expectHelp(7);
        screen.findChild<QAction*>("Help1")->trigger();
        EXPECT_TRUE(screen.isVisible());
        QTest::mouseClick(&screen, Qt::RightButton, {}, QPoint(5, 5));
    });
    ShowIntroduction(platform, {}, screens, window, {"{\\rtf1\\ansi Welcome", "}"});
}

} // namespace
} // namespace tavrin
