#include "core/settings/IntroScreenDesign.h"

namespace tavrin {

IntroScreenDesign DefaultIntroScreenDesign() {
    IntroScreenDesign design;
    design.setTitleBarFont("16 0 1 Times New Roman");
    design.setTitleBarColour(0xC0C0C0);
    design.setStatusBarFont("8 0 0 Times New Roman");
    design.setStatusBarColour(0xC0C0C0);
    design.setTextWindow(DefaultViewPortDesign());
    design.setUseMenuBar(true);
    return design;
}

} // namespace tavrin
