#pragma once

#include <vector>

#include "core/settings/QuizSettings.h"
#include "platform/PlatformDialog.h"

class QLineEdit;
class QPushButton;

namespace tavrin {

struct ProjectState;

// The texts of the quiz screens and of the program's buttons, edited on a
// copy of the settings that goes back into memory and the quiz file only on
// "&Save".
class TCustomTextForm : public PlatformDialog {
    Q_OBJECT
public:
    TCustomTextForm(Platform& platform, ProjectState& state, QWidget* parent = nullptr);

    // The 26 boxes, in the order of their groups (QuitEdit, CloseEdit, ...).
    std::vector<QLineEdit*> Edits;
    QPushButton* DefaultsBtn;
    QPushButton* SaveBtn;
    QPushButton* CancelBtn;

    void DefaultsBtnClick();
    void SaveBtnClick();

private:
    void FillBoxes();

    ProjectState& state_;
    QuizSettings copy_;
};

void RunCustomTextDesign(Platform& platform, ProjectState& state, QWidget* parent = nullptr);

} // namespace tavrin
