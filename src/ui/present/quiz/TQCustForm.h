#pragma once

#include "platform/PlatformDialog.h"

class QPushButton;

namespace tavrin {

struct ProjectState;

// The quiz presentation menu: question display, quiz texts, quiz functions
// and results. It steps aside while the dialog it opened runs.
class TQCustForm : public PlatformDialog {
    Q_OBJECT
public:
    TQCustForm(Platform& platform, ProjectState& state, QWidget* parent = nullptr);

    QPushButton* DisplayBtn;
    QPushButton* TextBtn;
    QPushButton* FunctionsBtn;
    QPushButton* ResultsBtn;
    QPushButton* CloseBtn;

    void DisplayBtnClick();
    void TextBtnClick();
    void FunctionsBtnClick();
    void ResultsBtnClick();

private:
    ProjectState& state_;
};

// "&Quiz Presentation" of the quiz managers.
void RunQuizPresentation(Platform& platform, ProjectState& state, QWidget* parent = nullptr);

} // namespace tavrin
