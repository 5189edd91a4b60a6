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

} // namespace tavrin
