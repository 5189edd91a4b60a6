#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/settings/ProgramScreens.h"
#include "core/settings/ProgramWindow.h"
#include "ui/hyper/THypEntryForm.h"

namespace tavrin {

// The editor of the quiz program's introduction: the formatted-text editor
// of the information topics, whose designer button designs the whole
// introduction screen and whose "&View" shows it as the learner will.
class TIntroEntryForm : public THypEntryForm {
    Q_OBJECT
public:
    TIntroEntryForm(Platform& platform, std::filesystem::path quizFolder,
                    const ProgramScreens& screens, const ProgramWindow& window,
                    const std::vector<std::string>& lines, QWidget* parent = nullptr);

    // The screens with the editor's text window colour.
    ProgramScreens screens() const;
    const ProgramWindow& window() const { return window_; }

    void AdjustBtnClick() override;
    void ViewBtnClick() override;

protected:
    FileDialogRequest importRequest() const override;

private:
    ProgramScreens screens_;
    ProgramWindow window_;
};

// Runs the introduction editor on copies; true, with the screens, the window
// and the text lines (emptied when the editor is empty) written back, on "&OK".
bool EditIntroduction(Platform& platform, const std::filesystem::path& quizFolder,
                      ProgramScreens& screens, ProgramWindow& window,
                      std::vector<std::string>& lines, QWidget* parent = nullptr);

} // namespace tavrin
