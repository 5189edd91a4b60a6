#pragma once

#include <array>

#include "platform/PlatformDialog.h"
#include "ui/runtime/RunContext.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace tavrin {

// Shows the type-in or choice question in hand: its question lines and its
// correct answer, and its information when it has some.
class TTMViewForm : public PlatformDialog {
    Q_OBJECT

public:
    TTMViewForm(RunContext& run, QWidget* parent = nullptr);

    QGroupBox* GroupBox1; // question
    std::array<QLabel*, 6> questionLabels;
    QGroupBox* GroupBox2; // answer
    QLabel* AnsLbl;
    QPushButton* Button1; // Information
    QPushButton* CloseBtn;

    void Button1Click();

private:
    RunContext& run_;
};

void ViewTMQuestion(RunContext& run, QWidget* parent = nullptr);

} // namespace tavrin
