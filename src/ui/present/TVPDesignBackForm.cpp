#include "ui/present/TVPDesignBackForm.h"

#include <QPushButton>

#include "ui/present/TVPAdjustForm.h"

namespace tavrin {
namespace {

constexpr int kHelpContext = 480;

} // namespace

TVPDesignBackForm::TVPDesignBackForm(Platform& platform, std::filesystem::path quizFolder,
                                     const ViewPortDesign& design, std::string rtf, QWidget* parent)
    : BackgroundDesignForm(platform, kHelpContext, std::move(quizFolder),
                           BackgroundDesign::Of(design), OnOk::kKeepFiles, parent),
      AdjustBtn(addAdjustButton()), design_(design), rtf_(std::move(rtf)) {
    setObjectName(QStringLiteral("TVPDesignBackForm"));
    connect(AdjustBtn, &QPushButton::clicked, this, &TVPDesignBackForm::AdjustBtnClick);
}

void TVPDesignBackForm::AdjustBtnClick() {
    ViewPortDesign placed = design();
    if (AdjustViewPort(platform(), quizFolder(), placed, rtf_, this)) {
        design_ = placed;
    }
}

bool DesignViewPortBackground(Platform& platform, const std::filesystem::path& quizFolder,
                              ViewPortDesign& design, const std::string& rtf, QWidget* parent) {
    TVPDesignBackForm form(platform, quizFolder, design, rtf, parent);
    if (platform.RunModal(form) != QDialog::Accepted) {
        return false;
    }
    design = form.design();
    return true;
}

} // namespace tavrin
