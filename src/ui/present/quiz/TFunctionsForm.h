#pragma once

#include "platform/PlatformDialog.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace tavrin {

struct ProjectState;

// What the quiz offers the learner, and where results are saved. The file
// name is kept even while saving to disk is off.
class TFunctionsForm : public PlatformDialog {
    Q_OBJECT
public:
    TFunctionsForm(Platform& platform, ProjectState& state, QWidget* parent = nullptr);

    QGroupBox* GroupBox1;
    QCheckBox* TakeAllCheckBox;
    QCheckBox* PreviewCheckBox;
    QCheckBox* ReviewCheckBox;
    QCheckBox* PrinterCheckBox;
    QCheckBox* SwapFileCheckBox;
    QCheckBox* DiskCheckBox;
    QGroupBox* FileNameGroup;
    QLineEdit* FileNameEdit;
    QPushButton* SaveBtn;
    QPushButton* CancelBtn;

    void DiskCheckBoxClick();
    void SaveBtnClick();

private:
    ProjectState& state_;
};

void RunQuizFunctionsDesign(Platform& platform, ProjectState& state, QWidget* parent = nullptr);

} // namespace tavrin
