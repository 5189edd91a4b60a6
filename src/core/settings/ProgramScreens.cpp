#include "core/settings/ProgramScreens.h"

namespace tavrin {

void InitButtonTexts(ProgramScreens& screens) {
    screens.setAboutButtonText("&About");
    screens.setHelpButtonText("&Help");
    screens.setQuitButtonText("&Quit");
    screens.setCloseButtonText("&Close");
    screens.setPrintButtonText("&Print");
    screens.setFindButtonText("&Find");
    screens.setMediaInstruction("Press the Start button");
}

} // namespace tavrin
