#include <gtest/gtest.h>

#include "core/settings/HandleGeometry.h"

namespace tavrin {
namespace {

TEST(HandleGeometry, DragModeFollowsThePointerOnASingleControl) {
    const int w = 105;
    const int h = 65;
    const struct {
        int x, y, width, height, controls;
        DragMode mode;
    } cases[] = {
        {1, 2, w, h, 1, kDragTopLeft},
        {w - 1, h - 1, w, h, 1, kDragBottomRight},
        {w - 2, 1, w, h, 1, kDragTopRight},
        {0, h - 4, w, h, 1, kDragBottomLeft},
        {w / 2 + 2, 1, w, h, 1, kDragTop},
        {w / 2 - 2, h - 1, w, h, 1, kDragBottom},
        {2, h / 2, w, h, 1, kDragLeft},
        {w - 3, h / 2 + 1, w, h, 1, kDragRight},
        {w / 2, h / 2, w, h, 1, kDragMove},
        {5, 0, w, h, 1, kDragMove},         // 5 is no longer near the corner
        {w / 2 + 3, 0, w, h, 1, kDragMove}, // 3 is no longer near the middle
        {0, 0, 100, 100, 2, kDragMove},     // several controls only move
        {100, 50, 100, 100, 2, kDragMove},
        // On a 6 x 6 handle every point is near a corner and a side; the side rules win.
        {3, 0, 6, 6, 1, kDragTop},
        {0, 3, 6, 6, 1, kDragLeft},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DragModeAt(c.x, c.y, c.width, c.height, c.controls), c.mode) << c.x << "," << c.y;
}

TEST(HandleGeometry, MoveSnapsTheControlsLeftEdgeToTheGrid) {
    const HandleRect control{10, 10, 40, 30};
    EXPECT_EQ(GrowForHandles(control), (HandleRect{8, 8, 45, 35}));
    EXPECT_EQ(ShrinkFromHandles(GrowForHandles(control)), control);
    // Moved by 3 the left edge would be at 13, which grid 8 places at 8; top 10 snaps to 8.
    const HandleRect start = GrowForHandles(control);
    EXPECT_EQ(DraggedHandleRect(start, kDragMove, 3, 0, 8, 8), GrowForHandles({8, 8, 40, 30}));
    // A grid of one follows the pointer exactly; invalid grids count as one.
    EXPECT_EQ(DraggedHandleRect(start, kDragMove, 3, -4, 1, 1), GrowForHandles({13, 6, 40, 30}));
    EXPECT_EQ(DraggedHandleRect(start, kDragMove, 0, 0, 1, 1), start);
    EXPECT_EQ(ValidGrid(0), 1);
    EXPECT_EQ(ValidGrid(256), 1);
    EXPECT_EQ(ValidGrid(255), 255);
}

TEST(HandleGeometry, ResizingMovesOnlyTheEdgesOfTheModeAndKeepsFivePixels) {
    const HandleRect start = GrowForHandles({10, 10, 40, 30});
    const struct {
        DragMode mode;
        int dx, dy;
        HandleRect control;
    } cases[] = {
        {kDragBottomRight, 7, 5, {10, 10, 47, 35}}, {kDragTopLeft, 4, 6, {14, 16, 36, 24}},
        {kDragTopRight, 4, 6, {10, 16, 44, 24}},    {kDragBottomLeft, 4, 6, {14, 10, 36, 36}},
        {kDragTop, 50, 6, {10, 16, 40, 24}},        {kDragLeft, 4, 50, {14, 10, 36, 30}},
        {kDragBottom, 50, 6, {10, 10, 40, 36}},     {kDragRight, 4, 50, {10, 10, 44, 30}},
        {kDragBottomRight, -100, -100, {10, 10, 5, 5}},
        {kDragTopLeft, 200, 200, {45, 35, 5, 5}}, // the right and bottom edges stay
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShrinkFromHandles(DraggedHandleRect(start, c.mode, c.dx, c.dy, 1, 1)), c.control)
            << c.mode << " by " << c.dx << "," << c.dy;
    // On a grid the moved edges snap: right 56 + 5 = 61 to 56, bottom 46 + 3 = 49 to 48.
    EXPECT_EQ(DraggedHandleRect(GrowForHandles({16, 16, 40, 30}), kDragBottomRight, 5, 3, 8, 8),
              GrowForHandles({16, 16, 40, 32}));
}

} // namespace
} // namespace tavrin
