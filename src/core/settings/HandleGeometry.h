#pragma once

namespace tavrin {

// Rules of the sizing handles, kept apart from the widget so that they can be
// checked without a window. The handle's rectangle is the attached control's
// rectangle grown by 2 pixels at the left and top and 3 at the right and
// bottom; all rectangles are in the parent's coordinates.
struct HandleRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const HandleRect&) const = default;
};

enum DragMode : int {
    kDragMove = 0,
    kDragTopLeft = 1,
    kDragTopRight = 2,
    kDragBottomLeft = 3,
    kDragBottomRight = 4,
    kDragTop = 5,
    kDragLeft = 6,
    kDragBottom = 7,
    kDragRight = 8,
};

inline constexpr int kHandleGrowLeftTop = 2;
inline constexpr int kHandleGrowRightBottom = 3;
inline constexpr int kMinimumControlSize = 5;

// The handle rectangle around a control rectangle, and back.
HandleRect GrowForHandles(const HandleRect& control);
HandleRect ShrinkFromHandles(const HandleRect& handle);

// The drag mode offered at a pointer position (x, y) inside a handle of
// width w and height h. Only a single attached control can be resized.
DragMode DragModeAt(int x, int y, int w, int h, int attachedCount);

// Where the handle goes when it is dragged by (dx, dy) from `start` in
// `mode`: each edge the mode moves follows the pointer and is snapped down
// to the grid (the grid applies to the control's edges, not the handle's);
// the other edges stay. The control is never narrower or lower than 5.
HandleRect DraggedHandleRect(const HandleRect& start, DragMode mode, int dx, int dy, int gridX,
                             int gridY);

// A grid value is 1..255; anything else is taken as 1.
int ValidGrid(int grid);

} // namespace tavrin
