#include "ui/present/TVPAdjustForm.h"

namespace tavrin {

TVPAdjustForm::TVPAdjustForm(Platform& platform, std::filesystem::path quizFolder,
                             const ViewPortDesign& design, const std::string& rtf, QWidget* parent)
    : TextWindowPlacementForm(platform, std::move(quizFolder), design, rtf, parent) {
    setObjectName(QStringLiteral("TVPAdjustForm"));
    showScreen(rect(), false);
}

bool AdjustViewPort(Platform& platform, const std::filesystem::path& quizFolder,
                    ViewPortDesign& design, const std::string& rtf, QWidget* parent) {
    TVPAdjustForm form(platform, quizFolder, design, rtf, parent);
    return RunPlacement(platform, form, design);
}

} // namespace tavrin
