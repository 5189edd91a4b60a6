#include <gtest/gtest.h>

#include "core/TextWindowPlacement.h"

namespace tavrin {
namespace {

TEST(TextWindowPlacement, SavingWithoutMovingKeepsTheViewPort) {
    ViewPortDesign design = DefaultViewPortDesign();
    design.setVpLeft(37);
    design.setVpTop(51);
    design.setVpWidth(222);
    design.setVpHeight(111);
    const ViewPortDesign before = design;
    StoreMockWindowInViewPort(MockWindowFromViewPort(design), design);
    EXPECT_EQ(design.bytes(), before.bytes());
}

TEST(TextWindowPlacement, MockWindowCoversTheFormattedTextWindow) {
    ViewPortDesign design = DefaultViewPortDesign();
    design.setVpLeft(10);
    design.setVpTop(20);
    design.setVpWidth(300);
    design.setVpHeight(100);
    EXPECT_EQ(MockWindowFromViewPort(design), (HandleRect{10, 20, 303, 100}));
    StoreMockWindowInViewPort({15, 25, 203, 80}, design);
    EXPECT_EQ(design.vpLeft(), 15);
    EXPECT_EQ(design.vpTop(), 25);
    EXPECT_EQ(design.vpWidth(), 200);
    EXPECT_EQ(design.vpHeight(), 80);
}

} // namespace
} // namespace tavrin
