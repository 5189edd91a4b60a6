#pragma once

#include "core/settings/ProgramScreens.h"
#include "core/settings/ProgramWindow.h"
#include "ui/present/TextWindowPlacementForm.h"

namespace tavrin {

// The placement screen of the introduction's text window, with the
// introduction's menu, title bar and status bar around the area. A text
// window set to fill the screen is shown over the whole area.
class TIntAdjustForm : public TextWindowPlacementForm {
    Q_OBJECT
public:
    TIntAdjustForm(Platform& platform, std::filesystem::path quizFolder,
                   const ProgramScreens& screens, const ProgramWindow& window,
                   const ViewPortDesign& design, const std::string& rtf, QWidget* parent = nullptr);
};

// True, with the view port of `design` updated, when the placement was
// saved. The bars come from `screens` and `window`; the background and text
// window from `design`.
bool AdjustIntroductionWindow(Platform& platform, const std::filesystem::path& quizFolder,
                              const ProgramScreens& screens, const ProgramWindow& window,
                              ViewPortDesign& design, const std::string& rtf,
                              QWidget* parent = nullptr);

} // namespace tavrin
