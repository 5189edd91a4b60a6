#include <gtest/gtest.h>

#include "core/settings/HandleGeometry.h"

namespace tavrin {
namespace {

TEST(HandleGeometry, DragModeFollowsThePointerOnASingleControl) {
    const int w = 105;
    const int h = 65;
    EXPECT_EQ(DragModeAt(1, 2, w, h, 1), kDragTopLeft);
    EXPECT_EQ(DragModeAt(w - 1, h - 1, w, h, 1), kDragBottomRight);
    EXPECT_EQ(DragModeAt(w - 2, 1, w, h, 1), kDragTopRight);
    EXPECT_EQ(DragModeAt(0, h - 4, w, h, 1), kDragBottomLeft);
    EXPECT_EQ(DragModeAt(w / 2 + 2, 1, w, h, 1), kDragTop);
    EXPECT_EQ(DragModeAt(w / 2 - 2, h - 1, w, h, 1), kDragBottom);
    EXPECT_EQ(DragModeAt(2, h / 2, w, h, 1), kDragLeft);
    EXPECT_EQ(DragModeAt(w - 3, h / 2 + 1, w, h, 1), kDragRight);
    EXPECT_EQ(DragModeAt(w / 2, h / 2, w, h, 1), kDragMove);
    EXPECT_EQ(DragModeAt(5, 0, w, h, 1), kDragMove) << "5 is no longer near the corner";
    EXPECT_EQ(DragModeAt(w / 2 + 3, 0, w, h, 1), kDragMove) << "3 is no longer near the middle";
    // Several controls only move.
    EXPECT_EQ(DragModeAt(0, 0, 100, 100, 2), kDragMove);
    EXPECT_EQ(DragModeAt(100, 50, 100, 100, 2), kDragMove);
}

TEST(HandleGeometry, SidesWinOverCornersOnATinyHandle) {
    // On a 6 x 6 handle every point is near a corner and a side; the side
    // rules come later and win.
    EXPECT_EQ(DragModeAt(3, 0, 6, 6, 1), kDragTop);
    EXPECT_EQ(DragModeAt(0, 3, 6, 6, 1), kDragLeft);
}

TEST(HandleGeometry, GrowAndShrinkAreInverse) {
    const HandleRect control{10, 20, 100, 50};
    EXPECT_EQ(GrowForHandles(control), (HandleRect{8, 18, 105, 55}));
    EXPECT_EQ(ShrinkFromHandles(GrowForHandles(control)), control);
}

TEST(HandleGeometry, MoveSnapsTheControlsLeftEdgeToTheGrid) {
    // Control at (10, 10); moved by 3 its left edge would be at 13, which
    // grid 8 places at 8: the handle's left is then 6.
    const HandleRect start = GrowForHandles({10, 10, 40, 30});
    const HandleRect moved = DraggedHandleRect(start, kDragMove, 3, 0, 8, 8);
    EXPECT_EQ(moved.left, 6);
    EXPECT_EQ(moved.top, 6) << "top 10 snaps to 8";
    EXPECT_EQ(moved.width, start.width);
    EXPECT_EQ(moved.height, start.height);
    // A grid of one follows the pointer exactly; invalid grids count as one.
    EXPECT_EQ(DraggedHandleRect(start, kDragMove, 3, -4, 1, 1), GrowForHandles({13, 6, 40, 30}));
    EXPECT_EQ(DraggedHandleRect(start, kDragMove, 0, 0, 1, 1), start);
    EXPECT_EQ(ValidGrid(0), 1);
    EXPECT_EQ(ValidGrid(256), 1);
    EXPECT_EQ(ValidGrid(255), 255);
}

TEST(HandleGeometry, ResizingMovesOnlyTheEdgesOfTheMode) {
    const HandleRect start = GrowForHandles({10, 10, 40, 30});
    EXPECT_EQ(DraggedHandleRect(start, kDragBottomRight, 7, 5, 1, 1),
              GrowForHandles({10, 10, 47, 35}));
    EXPECT_EQ(DraggedHandleRect(start, kDragTopLeft, 4, 6, 1, 1), GrowForHandles({14, 16, 36, 24}));
    EXPECT_EQ(DraggedHandleRect(start, kDragTopRight, 4, 6, 1, 1),
              GrowForHandles({10, 16, 44, 24}));
    EXPECT_EQ(DraggedHandleRect(start, kDragBottomLeft, 4, 6, 1, 1),
              GrowForHandles({14, 10, 36, 36}));
    EXPECT_EQ(DraggedHandleRect(start, kDragTop, 50, 6, 1, 1), GrowForHandles({10, 16, 40, 24}));
    EXPECT_EQ(DraggedHandleRect(start, kDragLeft, 4, 50, 1, 1), GrowForHandles({14, 10, 36, 30}));
    EXPECT_EQ(DraggedHandleRect(start, kDragBottom, 50, 6, 1, 1), GrowForHandles({10, 10, 40, 36}));
    EXPECT_EQ(DraggedHandleRect(start, kDragRight, 4, 50, 1, 1), GrowForHandles({10, 10, 44, 30}));
    // On a grid the moved edges snap: right 56 + 5 = 61 to 56, bottom 46 + 3 = 49 to 48.
    EXPECT_EQ(DraggedHandleRect(GrowForHandles({16, 16, 40, 30}), kDragBottomRight, 5, 3, 8, 8),
              GrowForHandles({16, 16, 40, 32}));
}

TEST(HandleGeometry, ResizingNeverGoesBelowFivePixels) {
    const HandleRect start = GrowForHandles({10, 10, 40, 30});
    const HandleRect shrunk =
        ShrinkFromHandles(DraggedHandleRect(start, kDragBottomRight, -100, -100, 1, 1));
    EXPECT_EQ(shrunk, (HandleRect{10, 10, 5, 5}));
    const HandleRect fromLeft =
        ShrinkFromHandles(DraggedHandleRect(start, kDragTopLeft, 200, 200, 1, 1));
    EXPECT_EQ(fromLeft, (HandleRect{45, 35, 5, 5})) << "the right and bottom edges stay";
}

} // namespace
} // namespace tavrin
