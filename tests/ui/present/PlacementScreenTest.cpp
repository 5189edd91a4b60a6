#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "core/settings/ProgramScreens.h"
#include "core/settings/ProgramWindow.h"
#include "support/GuiTestSupport.h"
#include "ui/hyper/THypTextAdjForm.h"
#include "ui/hyper/TextEntry.h"
#include "ui/present/TIntAdjustForm.h"
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

TEST_F(PlacementScreenTest, ResizingAndMovingWithTheHandleIsSaved) {
    platform.onDialog("TVPAdjustForm", [](QDialog& form) {
        // The handle surrounds the window 2 pixels out at the top left, 3 at the bottom right.
        dragTextWindow(form, {253, 123}, {283, 143});
        EXPECT_EQ(textWindow(form), QRect(100, 90, 280, 140));
        dragTextWindow(form, {100, 60}, {60, 40});
        EXPECT_EQ(textWindow(form), QRect(60, 70, 280, 140));
        triggerMenu(form, "Help");
        triggerMenu(form, "&Save and Quit");
    });
    platform.expectHelp(485);
    EXPECT_TRUE(AdjustViewPort(platform, {}, design, kRtf));
    EXPECT_EQ(design.vpLeft(), 60);
    EXPECT_EQ(design.vpTop(), 70);
    EXPECT_EQ(design.vpWidth(), 280);
    EXPECT_EQ(design.vpHeight(), 140);
}

TEST_F(PlacementScreenTest, SavingUnmovedKeepsTheViewPortAndEveryOtherEndingAsks) {
    const ViewPortDesign before = design;
    platform.onDialog("TVPAdjustForm", [](QDialog& form) {
        EXPECT_EQ(textWindow(form), QRect(100, 90, 250, 120));
        triggerMenu(form, "&Save and Quit");
    });
    EXPECT_TRUE(AdjustViewPort(platform, {}, design, kRtf));
    EXPECT_EQ(design.bytes(), before.bytes());

    platform.onDialog("TVPAdjustForm", [](QDialog& form) {
        dragTextWindow(form, {100, 60}, {60, 40});
        QTest::keyClick(&form, Qt::Key_Escape);
    });
    platform.expectYesNo("Save changes?", false);
    EXPECT_FALSE(AdjustViewPort(platform, {}, design, kRtf));
    EXPECT_EQ(design.bytes(), before.bytes());

    platform.onDialog("TVPAdjustForm", [](QDialog& form) {
        dragTextWindow(form, {100, 60}, {60, 40});
        triggerMenu(form, "&Quit");
    });
    platform.expectYesNo("Save changes?", true);
    EXPECT_TRUE(AdjustViewPort(platform, {}, design, kRtf));
    EXPECT_EQ(design.vpLeft(), 60);
}

TEST_F(PlacementScreenTest, TheRightButtonOpensTheMenuOverTheAttachedHandle) {
    // Each screen with the name of its text window.
    const std::pair<const char*, const char*> screens[] = {{"THypTextAdjForm", "Panel1"},
                                                           {"TVPAdjustForm", "TextPanel"}};
    for (const auto& [screen, window] : screens) {
        platform.onDialog(screen, [window](QDialog& form) {
            auto* textWindow = findChild<QWidget>(form, window);
            test::sendMouse(*findChild<QWidget>(form, "RichEdit1")->parentWidget(),
                            QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
            auto* handle = findChild<TStretchHandle>(form, "StretchHandle1");
            ASSERT_TRUE(handle->isAttached(textWindow));
            test::sendMouse(*handle, QEvent::MouseButtonRelease, {10, 10}, Qt::LeftButton,
                            Qt::NoButton);
            auto* menu = findChild<QMenu>(form, "PopupMenu1");
            for (int click = 0; click < 2; ++click) {
                test::sendMouse(*handle, QEvent::MouseButtonPress, {30, 30}, Qt::RightButton,
                                Qt::RightButton);
                EXPECT_TRUE(menu->isVisible()) << form.objectName().toStdString();
                menu->hide();
            }
            triggerMenu(form, "&Save and Quit");
        });
    }
    EXPECT_TRUE(AdjustTextWindow(platform, design, kRtf));
    EXPECT_TRUE(AdjustViewPort(platform, {}, design, kRtf));
}

TEST_F(PlacementScreenTest, TheIntroductionWindowSitsBetweenItsBars) {
    ProgramScreens screens;
    InitButtonTexts(screens);
    IntroScreenDesign intro = DefaultIntroScreenDesign();
    intro.setUseMenuBar(false);
    intro.setUseTitleBar(true);
    intro.setTitleBarText("Welcome");
    intro.setTitleBarFont("24 0 1 Times New Roman");
    intro.setUseStatusBar(true);
    intro.setStatusBarFont("8 0 0 Arial");
    screens.setIntroScreen(intro);
    ProgramWindow window;
    platform.onDialog("TIntAdjustForm", [](QDialog& form) {
        EXPECT_EQ(findChild<QLabel>(form, "TitleBar")->geometry(), QRect(0, 0, 640, 48));
        EXPECT_EQ(findChild<QLabel>(form, "StatusBar")->geometry(), QRect(0, 464, 640, 16));
        EXPECT_EQ(findChild<QWidget>(form, "ScreenArea")->geometry(), QRect(0, 48, 640, 416));
        EXPECT_EQ(textWindow(form), QRect(100, 90, 250, 120)) << "within the area";
        dragTextWindow(form, {100, 60}, {90, 60});
        triggerMenu(form, "&Save and Quit");
    });
    EXPECT_TRUE(AdjustIntroductionWindow(platform, {}, screens, window, design, kRtf));
    EXPECT_EQ(design.vpLeft(), 90);
    EXPECT_EQ(design.vpTop(), 90);

    design.setFullscreen(true);
    intro.setUseTitleBar(false);
    intro.setUseStatusBar(false);
    intro.setUseMenuBar(true);
    screens.setIntroScreen(intro);
    platform.onDialog("TIntAdjustForm", [](QDialog& form) {
        const auto* menu = findChild<QMenuBar>(form, "MainMenu1");
        ASSERT_EQ(menu->actions().size(), 1) << "no about box and no help file";
        EXPECT_EQ(menu->actions().front()->text(), "&Close");
        EXPECT_EQ(textWindow(form), findChild<QWidget>(form, "ScreenArea")->rect());
        triggerMenu(form, "&Save and Quit");
    });
    const ViewPortDesign before = design;
    EXPECT_TRUE(AdjustIntroductionWindow(platform, {}, screens, window, design, kRtf));
    EXPECT_EQ(design.bytes(), before.bytes()) << "a full-screen window saved unmoved";
}

TEST_F(PlacementScreenTest, TheIntroductionDesignerKeepsAPlacementOnlyOnOk) {
    ProgramScreens screens;
    IntroScreenDesign intro = DefaultIntroScreenDesign();
    intro.setUseMenuBar(false);
    intro.setTextWindow(design);
    screens.setIntroScreen(intro);
    const auto placeAt60 = [this](const char* ending) {
        platform.onDialog("TIntDesignBackForm", [this, ending](QDialog& designer) {
            platform.onDialog("TIntAdjustForm", [](QDialog& form) {
                dragTextWindow(form, {100, 60}, {60, 60});
                triggerMenu(form, "&Save and Quit");
            });
            click(designer, "AdjustBtn");
            click(designer, ending);
        });
    };
    placeAt60("CancelBtn");
    const ProgramScreens before = screens;
    EXPECT_FALSE(DesignIntroductionBackground(platform, {}, screens, ProgramWindow(), kRtf));
    EXPECT_EQ(screens.bytes(), before.bytes());
    placeAt60("OKBtn");
    EXPECT_TRUE(DesignIntroductionBackground(platform, {}, screens, ProgramWindow(), kRtf));
    EXPECT_EQ(screens.introScreen().textWindow().vpLeft(), 60);
    EXPECT_EQ(screens.introScreen().textWindow().vpWidth(), 250);
}

TEST_F(PlacementScreenTest, TheDisplayScreenButtonOfTheEditorDesignsTheTopicScreen) {
    std::vector<std::string> lines{"{\\rtf1\\ansi Hello", "}"};
    design.setDisplaytype(2);
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
}

} // namespace
} // namespace tavrin
