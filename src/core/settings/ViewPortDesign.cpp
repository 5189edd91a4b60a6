#include "core/settings/ViewPortDesign.h"

namespace tavrin {

ViewPortDesign ViewPortDesign::FromBytes(std::span<const std::uint8_t> raw) {
    ViewPortDesign design;
    design.assignBytes(raw);
    return design;
}

ViewPortDesign DefaultViewPortDesign() {
    ViewPortDesign design;
    design.setVpBack(0xFFFFFF);
    design.setFullscreen(true);
    design.setDisplaytype(ViewPortDesign::kPlainColour);
    design.setSBackColor(0xC0C0C0);
    design.setVpLeft(120);
    design.setVpTop(80);
    design.setVpWidth(400);
    design.setVpHeight(200);
    design.setRlTop(1);
    design.setRlLeft(1);
    return design;
}

} // namespace tavrin
