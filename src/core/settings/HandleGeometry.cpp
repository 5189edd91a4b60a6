#include "core/settings/HandleGeometry.h"

#include <cstdlib>

namespace tavrin {
namespace {

bool near(int a, int b, int limit) {
    return std::abs(a - b) < limit;
}

int snapDown(int position, int grid) {
    const int g = ValidGrid(grid);
    // Whole-number division rounds toward zero, which is what the grid does
    // for positions right of and below the parent's origin; the drag is
    // limited to those.
    return position / g * g;
}

bool movesLeft(DragMode m) {
    return m == kDragTopLeft || m == kDragBottomLeft || m == kDragLeft;
}
bool movesRight(DragMode m) {
    return m == kDragTopRight || m == kDragBottomRight || m == kDragRight;
}
bool movesTop(DragMode m) {
    return m == kDragTopLeft || m == kDragTopRight || m == kDragTop;
}
bool movesBottom(DragMode m) {
    return m == kDragBottomLeft || m == kDragBottomRight || m == kDragBottom;
}

struct Edges {
    int low;
    int high;
};

// One axis of a resize: the moving edges follow the offset, snapped, and the
// size is kept at the minimum by holding the edge that did not move.
Edges resizeAxis(Edges control, bool lowMoves, bool highMoves, int offset, int grid) {
    Edges result = control;
    if (lowMoves) {
        result.low = snapDown(control.low + offset, grid);
        if (result.high - result.low < kMinimumControlSize) {
            result.low = result.high - kMinimumControlSize;
        }
    }
    if (highMoves) {
        result.high = snapDown(control.high + offset, grid);
        if (result.high - result.low < kMinimumControlSize) {
            result.high = result.low + kMinimumControlSize;
        }
    }
    return result;
}

} // namespace

int ValidGrid(int grid) {
    return grid >= 1 && grid <= 255 ? grid : 1;
}

HandleRect GrowForHandles(const HandleRect& control) {
    return {control.left - kHandleGrowLeftTop, control.top - kHandleGrowLeftTop,
            control.width + kHandleGrowLeftTop + kHandleGrowRightBottom,
            control.height + kHandleGrowLeftTop + kHandleGrowRightBottom};
}

HandleRect ShrinkFromHandles(const HandleRect& handle) {
    return {handle.left + kHandleGrowLeftTop, handle.top + kHandleGrowLeftTop,
            handle.width - kHandleGrowLeftTop - kHandleGrowRightBottom,
            handle.height - kHandleGrowLeftTop - kHandleGrowRightBottom};
}

DragMode DragModeAt(int x, int y, int w, int h, int attachedCount) {
    if (attachedCount != 1) {
        return kDragMove;
    }
    DragMode mode = kDragMove;
    // Later rules override earlier ones, so small handles favour the sides.
    if (near(x, 0, 5) && near(y, 0, 5))
        mode = kDragTopLeft;
    if (near(x, w, 5) && near(y, h, 5))
        mode = kDragBottomRight;
    if (near(x, w, 5) && near(y, 0, 5))
        mode = kDragTopRight;
    if (near(x, 0, 5) && near(y, h, 5))
        mode = kDragBottomLeft;
    if (near(x, w / 2, 3) && near(y, 0, 5))
        mode = kDragTop;
    if (near(x, w / 2, 3) && near(y, h, 5))
        mode = kDragBottom;
    if (near(y, h / 2, 3) && near(x, 0, 5))
        mode = kDragLeft;
    if (near(y, h / 2, 3) && near(x, w, 5))
        mode = kDragRight;
    return mode;
}

HandleRect DraggedHandleRect(const HandleRect& start, DragMode mode, int dx, int dy, int gridX,
                             int gridY) {
    const HandleRect control = ShrinkFromHandles(start);
    if (mode == kDragMove) {
        HandleRect moved = control;
        moved.left = snapDown(control.left + dx, gridX);
        moved.top = snapDown(control.top + dy, gridY);
        return GrowForHandles(moved);
    }
    const Edges horizontal = resizeAxis({control.left, control.left + control.width},
                                        movesLeft(mode), movesRight(mode), dx, gridX);
    const Edges vertical = resizeAxis({control.top, control.top + control.height}, movesTop(mode),
                                      movesBottom(mode), dy, gridY);
    return GrowForHandles({horizontal.low, vertical.low, horizontal.high - horizontal.low,
                           vertical.high - vertical.low});
}

} // namespace tavrin
