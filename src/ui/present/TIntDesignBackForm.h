#pragma once

#include "core/settings/ProgramScreens.h"
#include "core/settings/ProgramWindow.h"
#include "ui/present/BackgroundDesignForm.h"

namespace tavrin {

// The introduction's background and text window. On "&OK" only the file the
// chosen background uses is kept, and background and text window go back
// into the introduction design of the screens.
class TIntDesignBackForm : public BackgroundDesignForm {
    Q_OBJECT
public:
    // `window` decides which menu items the placement screen shows.
    TIntDesignBackForm(Platform& platform, std::filesystem::path quizFolder,
                       const ProgramScreens& screens, const ProgramWindow& window, std::string rtf,
                       QWidget* parent = nullptr);

    // The screens given, with the designed introduction background and text window.
    ProgramScreens screens() const;

    QPushButton* AdjustBtn;

    void AdjustBtnClick();

private:
    ProgramScreens screens_;
    ProgramWindow window_;
    ViewPortDesign design_;
    std::string rtf_;
};

// Runs the designer on the introduction of `screens`; true, with them
// changed, on "&OK".
bool DesignIntroductionBackground(Platform& platform, const std::filesystem::path& quizFolder,
                                  ProgramScreens& screens, const ProgramWindow& window,
                                  const std::string& rtf, QWidget* parent = nullptr);

} // namespace tavrin
