#include <gtest/gtest.h>

#include "core/settings/TextWindowPlacement.h"

namespace tavrin {
namespace {

TEST(TextWindowPlacement, MockWindowCoversTheTextWindowAndAnUnmovedOneChangesNothing) {
    ViewPortDesign design = DefaultViewPortDesign();
    design.setVpLeft(10);
    design.setVpTop(20);
    design.setVpWidth(300);
    design.setVpHeight(100);
    const ViewPortDesign before = design;
    EXPECT_EQ(MockWindowFromViewPort(design), (HandleRect{10, 20, 303, 100}));
    StoreMockWindowInViewPort(MockWindowFromViewPort(design), design);
    EXPECT_EQ(design.bytes(), before.bytes());

    StoreMockWindowInViewPort({15, 25, 203, 80}, design);
    EXPECT_EQ(design.vpLeft(), 15);
    EXPECT_EQ(design.vpTop(), 25);
    EXPECT_EQ(design.vpWidth(), 200);
    EXPECT_EQ(design.vpHeight(), 80);
}

TEST(TextWindowPlacement, TheTextWindowSitsAtItsViewPortInTheCentredDesignArea) {
    ViewPortDesign design = DefaultViewPortDesign();
    design.setVpLeft(10);
    design.setVpTop(20);
    design.setVpWidth(300);
    design.setVpHeight(100);
    struct Case {
        HandleRect workArea;
        HandleRect designArea;
    };
    const Case cases[] = {
        {{0, 0, 1024, 768}, {192, 144, 640, 480}},
        {{1920, 30, 1280, 994}, {2240, 287, 640, 480}}, // a second screen below a bar
        {{0, 0, 640, 480}, {0, 0, 640, 480}},
        {{0, 0, 600, 400}, {0, 0, 640, 480}}, // too small: kept at the top left
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DesignAreaOnScreen(c.workArea), c.designArea);
        EXPECT_EQ(TextWindowOnScreen(design, c.designArea),
                  (HandleRect{c.designArea.left + 10, c.designArea.top + 20, 303, 100}));
    }
}

} // namespace
} // namespace tavrin
