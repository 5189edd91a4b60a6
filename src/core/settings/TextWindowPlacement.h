#pragma once

#include "core/settings/HandleGeometry.h"
#include "core/settings/ViewPortDesign.h"

namespace tavrin {

// The one mapping between a view port and the mock text window that the
// author drags on the 640 x 480 placement screen. The placement screen is
// the design area itself, so the mock window sits where the formatted-text
// window will appear: at (VPLeft, VPTop), VPWidth + 3 wide (the window's
// frame) and VPHeight high. Saving without moving gives the view port back.
inline constexpr int kTextWindowFrameWidth = 3;

HandleRect MockWindowFromViewPort(const ViewPortDesign& design);
void StoreMockWindowInViewPort(const HandleRect& mock, ViewPortDesign& design);

} // namespace tavrin
