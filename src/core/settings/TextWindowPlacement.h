#pragma once

#include "core/settings/HandleGeometry.h"
#include "core/settings/ViewPortDesign.h"

namespace tavrin {

// View ports are laid out on a 640 x 480 design area. On the screen that
// area is where every 640 x 480 window sits: centred on the screen's work
// area. The formatted-text window, the mock window of its placement screen
// and the learner's copy of it are all placed through these functions, so
// the window appears where the author put it.
inline constexpr int kDesignAreaWidth = 640;
inline constexpr int kDesignAreaHeight = 480;

// The mock text window is the formatted-text window drawn inside the design
// area: at (VPLeft, VPTop), VPWidth + 3 wide (the window's frame) and
// VPHeight high. Saving without moving gives the view port back.
inline constexpr int kTextWindowFrameWidth = 3;

HandleRect MockWindowFromViewPort(const ViewPortDesign& design);
void StoreMockWindowInViewPort(const HandleRect& mock, ViewPortDesign& design);

// A window of the given size centred on the screen's work area; on a screen
// too small for it, it keeps to the work area's top left corner.
HandleRect CentredOnScreen(const HandleRect& workArea, int width, int height);
HandleRect DesignAreaOnScreen(const HandleRect& workArea);

// Where the formatted-text window of a design appears on the screen: the
// mock window, moved from the design area onto the screen.
HandleRect TextWindowOnScreen(const ViewPortDesign& design, const HandleRect& designArea);

} // namespace tavrin
