#include "ui/present/TIntAdjustForm.h"

#include "ui/present/IntroScreenBars.h"

namespace tavrin {

TIntAdjustForm::TIntAdjustForm(Platform& platform, std::filesystem::path quizFolder,
                               const ProgramScreens& screens, const ProgramWindow& window,
                               const ViewPortDesign& design, const std::string& rtf,
                               QWidget* parent)
    : TextWindowPlacementForm(platform, std::move(quizFolder), design, rtf, parent) {
    setObjectName(QStringLiteral("TIntAdjustForm"));
    showScreen(AddIntroductionBars(*this, screens, window), design.fullscreen());
}

bool AdjustIntroductionWindow(Platform& platform, const std::filesystem::path& quizFolder,
                              const ProgramScreens& screens, const ProgramWindow& window,
                              ViewPortDesign& design, const std::string& rtf, QWidget* parent) {
    TIntAdjustForm form(platform, quizFolder, screens, window, design, rtf, parent);
    return RunPlacement(platform, form, design);
}

} // namespace tavrin
