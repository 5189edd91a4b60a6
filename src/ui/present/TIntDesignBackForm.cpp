#include "ui/present/TIntDesignBackForm.h"

#include <QPushButton>

#include "ui/present/TIntAdjustForm.h"

namespace tavrin {
namespace {

constexpr int kHelpContext = 480;

} // namespace

TIntDesignBackForm::TIntDesignBackForm(Platform& platform, std::filesystem::path quizFolder,
                                       const ProgramScreens& screens, const ProgramWindow& window,
                                       std::string rtf, QWidget* parent)
    : BackgroundDesignForm(platform, kHelpContext, std::move(quizFolder),
                           BackgroundDesign::Of(screens.introScreen().textWindow()),
                           OnOk::kEmptyUnusedFiles, parent),
      AdjustBtn(addAdjustButton(tr("Design the Text Window size :"))), screens_(screens),
      window_(window), design_(screens.introScreen().textWindow()), rtf_(std::move(rtf)) {
    setObjectName(QStringLiteral("TIntDesignBackForm"));
    connect(AdjustBtn, &QPushButton::clicked, this, &TIntDesignBackForm::AdjustBtnClick);
}

ProgramScreens TIntDesignBackForm::screens() const {
    IntroScreenDesign intro = screens_.introScreen();
    intro.setTextWindow(withBackground(design_));
    ProgramScreens screens = screens_;
    screens.setIntroScreen(intro);
    return screens;
}

void TIntDesignBackForm::AdjustBtnClick() {
    ViewPortDesign placed = withBackground(design_);
    if (AdjustIntroductionWindow(platform(), quizFolder(), screens_, window_, placed, rtf_, this)) {
        design_ = placed;
    }
}

bool DesignIntroductionBackground(Platform& platform, const std::filesystem::path& quizFolder,
                                  ProgramScreens& screens, const ProgramWindow& window,
                                  const std::string& rtf, QWidget* parent) {
    TIntDesignBackForm form(platform, quizFolder, screens, window, rtf, parent);
    if (platform.RunModal(form) != QDialog::Accepted) {
        return false;
    }
    screens = form.screens();
    return true;
}

} // namespace tavrin
