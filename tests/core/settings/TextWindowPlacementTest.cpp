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

} // namespace
} // namespace tavrin
