#include "core/settings/TextWindowPlacement.h"

#include <algorithm>

namespace tavrin {

HandleRect MockWindowFromViewPort(const ViewPortDesign& design) {
    return {design.vpLeft(), design.vpTop(), design.vpWidth() + kTextWindowFrameWidth,
            design.vpHeight()};
}

void StoreMockWindowInViewPort(const HandleRect& mock, ViewPortDesign& design) {
    design.setVpLeft(mock.left);
    design.setVpTop(mock.top);
    design.setVpWidth(std::max(0, mock.width - kTextWindowFrameWidth));
    design.setVpHeight(mock.height);
}

HandleRect CentredOnScreen(const HandleRect& workArea, int width, int height) {
    const int left = workArea.left + std::max(0, (workArea.width - width) / 2);
    const int top = workArea.top + std::max(0, (workArea.height - height) / 2);
    return {left, top, width, height};
}

HandleRect DesignAreaOnScreen(const HandleRect& workArea) {
    return CentredOnScreen(workArea, kDesignAreaWidth, kDesignAreaHeight);
}

HandleRect TextWindowOnScreen(const ViewPortDesign& design, const HandleRect& designArea) {
    HandleRect window = MockWindowFromViewPort(design);
    window.left += designArea.left;
    window.top += designArea.top;
    return window;
}

} // namespace tavrin
