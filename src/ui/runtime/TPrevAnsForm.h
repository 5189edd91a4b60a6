#pragma once

#include "platform/PlatformDialog.h"
#include "ui/runtime/RunContext.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavrin {

// Shows the match question in hand: its question and answer, and its
// information when it has some.
class TPrevAnsForm : public PlatformDialog {
    Q_OBJECT

public:
    TPrevAnsForm(RunContext& run, QWidget* parent = nullptr);

    QLabel* Label1;
    QLineEdit* Edit1;
    QLabel* Label2;
    QLineEdit* Edit2;
    QPushButton* Button1; // Information
    QPushButton* CloseBtn;

    void Button1Click();

private:
    RunContext& run_;
};

// Shows the question in hand modally.
void ViewQAQuestion(RunContext& run, QWidget* parent = nullptr);

} // namespace tavrin
