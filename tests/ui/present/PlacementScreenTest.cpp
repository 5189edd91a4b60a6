#include <QFrame>
#include <QLabel>
#include <QMenu>

#include "core/settings/ProgramScreens.h"
#include "core/settings/ProgramWindow.h"
#include "support/GuiTestSupport.h"
#include "ui/hyper/TextEntry.h"
#include "ui/present/TIntDesignBackForm.h"
#include "ui/present/TStretchHandle.h"
#include "ui/present/TVPAdjustForm.h"

namespace tavrin {
namespace {

using test::click;
using test::findChild;
using test::triggerMenu;

const std::string kRtf = "{\\rtf1\\ansi Hello}";

class PlacementScreenTest : public test::GuiTest {
protected:
    PlacementScreenTest() {
        design.setFullscreen(false);
        design.setVpLeft(100);
        design.setVpTop(90);
        design.setVpWidth(250);
        design.setVpHeight(120);
    }
    // Presses on the text window, then drags the handle from `from` to `to`
    // (handle coordinates at the start of the drag).
    static void dragTextWindow(QDialog& form, QPoint from, QPoint to) {
        auto* panel = findChild<QFrame>(form, "TextPanel");
        test::sendMouse(*panel, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
        auto* handle = findChild<TStretchHandle>(form, "StretchHandle1");
        ASSERT_TRUE(handle->isAttached(panel));
        test::dragWithin(*handle, from, to);
    }
    static QRect textWindow(const QDialog& form) {
        return findChild<QFrame>(form, "TextPanel")->geometry();
    }
    ViewPortDesign design = DefaultViewPortDesign();
};

TEST_F(PlacementScreenTest, ResizingAndMovingWithTheHandleIsSavedAndTheRightButtonOpensTheMenu) {
    platform.onDialog("TVPAdjustForm", [](QDialog& form) {
        // The handle surrounds the window 2 pixels out at the top left, 3 at the bottom right.
        dragTextWindow(form, {253, 123}, {283, 143});
        EXPECT_EQ(textWindow(form), QRect(100, 90, 280, 140));
        dragTextWindow(form, {100, 60}, {60, 40});
        // The right button over the attached handle opens the screen's menu.
        auto* menu = findChild<QMenu>(form, "PopupMenu1");
        test::sendMouse(*findChild<TStretchHandle>(form, "StretchHandle1"),
                        QEvent::MouseButtonPress, {30, 30}, Qt::RightButton, Qt::RightButton);
        EXPECT_TRUE(menu->isVisible());
        menu->hide();
        triggerMenu(form, "&Save and Quit");
    });
    EXPECT_TRUE(AdjustViewPort(platform, {}, design, kRtf));
    EXPECT_EQ(QRect(design.vpLeft(), design.vpTop(), design.vpWidth(), design.vpHeight()),
              QRect(60, 70, 280, 140));
}

// The designer's screen keeps only the file its kind uses, and the placement
// only on OK.
TEST_F(PlacementScreenTest, TheIntroductionDesignerPlacesTheWindowBetweenTheBarsAndKeepsItOnOk) {
    ProgramScreens screens;
    IntroScreenDesign intro = DefaultIntroScreenDesign();
    intro.setUseMenuBar(false);
    intro.setUseTitleBar(true);
    intro.setTitleBarFont("24 0 1 Times New Roman");
    intro.setUseStatusBar(true);
    intro.setStatusBarFont("8 0 0 Arial");
    design.setDisplaytype(2);
    design.setSGraphic("g.jpg");
    design.setSWallpaper("w.bmp");
    intro.setTextWindow(design);
    screens.setIntroScreen(intro);
    const auto placeAt90 = [this](const char* ending) {
        platform.expectError("The graphic file g.jpg was not found"); // shown on the screen
        platform.onDialog("TIntDesignBackForm", [this, ending](QDialog& designer) {
            platform.onDialog("TIntAdjustForm", [](QDialog& form) {
                EXPECT_EQ(findChild<QLabel>(form, "TitleBar")->geometry(), QRect(0, 0, 640, 48));
                EXPECT_EQ(findChild<QLabel>(form, "StatusBar")->geometry(), QRect(0, 464, 640, 16));
                EXPECT_EQ(findChild<QWidget>(form, "ScreenArea")->geometry(),
                          QRect(0, 48, 640, 416));
                EXPECT_EQ(textWindow(form), QRect(100, 90, 250, 120)) << "within the area";
                dragTextWindow(form, {100, 60}, {90, 60});
                triggerMenu(form, "&Save and Quit");
            });
            click(designer, "AdjustBtn");
            click(designer, ending);
        });
    };
    placeAt90("CancelBtn");
    const ProgramScreens before = screens;
    EXPECT_FALSE(DesignIntroductionBackground(platform, {}, screens, ProgramWindow(), kRtf));
    EXPECT_EQ(screens.bytes(), before.bytes());
    placeAt90("OKBtn");
    EXPECT_TRUE(DesignIntroductionBackground(platform, {}, screens, ProgramWindow(), kRtf));
    const ViewPortDesign placed = screens.introScreen().textWindow();
    EXPECT_EQ(QRect(placed.vpLeft(), placed.vpTop(), placed.vpWidth(), placed.vpHeight()),
              QRect(90, 90, 250, 120));
    EXPECT_EQ(placed.sGraphic(), "g.jpg");
    EXPECT_EQ(placed.sWallpaper(), "");
}

// The topic's designer keeps both files whatever the kind, and its colour
// follows the colour dialog unless that is cancelled.
TEST_F(PlacementScreenTest, TheDisplayScreenButtonOfTheEditorDesignsTheTopicScreen) {
    std::vector<std::string> lines{"{\\rtf1\\ansi Hello", "}"};
    design.setDisplaytype(2);
    design.setSGraphic("g.jpg");
    design.setSWallpaper("w.bmp");
    platform.expectColour(0x000000FF);
    platform.expectColour(std::nullopt);
    platform.onDialog("THypEntryForm", [this](QDialog& editor) {
        platform.onDialog("TVPDesignBackForm", [this](QDialog& designer) {
            platform.onDialog("TVPAdjustForm", [](QDialog& form) {
                EXPECT_TRUE(findChild<QWidget>(form, "RichEdit1")
                                ->property("plainText")
                                .toString()
                                .contains("Hello"));
                dragTextWindow(form, {100, 60}, {60, 40});
                triggerMenu(form, "&Save and Quit");
            });
            click(designer, "ColorRadio"); // the screen shows the background being designed
            click(designer, "SelectBtn");
            EXPECT_EQ(findChild<QFrame>(designer, "ColorPanel")->palette().color(QPalette::Window),
                      QColor(Qt::red));
            click(designer, "SelectBtn");
            click(designer, "AdjustBtn");
            click(designer, "OKBtn");
        });
        click(editor, "AdjustBtn");
        click(editor, "OKBtn");
    });
    EXPECT_TRUE(EditHypertext(platform, {}, design, lines, 2));
    EXPECT_EQ(design.vpLeft(), 60);
    EXPECT_EQ(design.vpTop(), 70);
    EXPECT_EQ(design.displaytype(), 1);
    EXPECT_EQ(design.sBackColor(), 0x000000FFu) << "a cancelled colour dialog keeps the colour";
    EXPECT_EQ(design.sGraphic() + design.sWallpaper(), "g.jpgw.bmp");
}

} // namespace
} // namespace tavrin
