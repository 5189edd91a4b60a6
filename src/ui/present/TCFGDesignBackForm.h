#pragma once

#include "core/settings/ProgramWindow.h"
#include "ui/present/BackgroundDesignForm.h"

namespace tavrin {

// The background behind the whole quiz program; "View" shows it full screen.
class TCFGDesignBackForm : public BackgroundDesignForm {
    Q_OBJECT
public:
    TCFGDesignBackForm(Platform& platform, std::filesystem::path quizFolder,
                       const ProgramWindow& window, QWidget* parent = nullptr);

    // The window given, with the designed background.
    ProgramWindow window() const;

    QPushButton* ViewBtn;

    void ViewBtnClick();

private:
    ProgramWindow window_;
};

// Runs the designer on the program window's background; true, with the
// window changed, when the author pressed "&OK".
bool DesignProgramBackground(Platform& platform, const std::filesystem::path& quizFolder,
                             ProgramWindow& window, QWidget* parent = nullptr);

} // namespace tavrin
