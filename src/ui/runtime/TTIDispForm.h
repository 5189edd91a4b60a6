#pragma once

#include <array>

#include "ui/runtime/QuizDisplayBase.h"

class QLineEdit;

namespace tavrin {

// One question of a type-an-answer quiz. The learner types an answer and
// confirms it once; it is right when it contains one of the stored matches.
// The correct answer is then revealed, with the question's information.
class TTIDispForm : public QuizDisplayBase {
    Q_OBJECT

public:
    TTIDispForm(RunContext& run, QWidget* parent = nullptr);

    std::array<QLabel*, 6> questionLabels; // QuestLbl1..QuestLbl6
    QGroupBox* GroupBox1;                  // the typing box
    QLabel* AnsLbl1;
    QLineEdit* Edit1;
    QPushButton* BitBtn2; // OK
    QPushButton* Button1; // Information
    QPushButton* continuebitbtn;

    void BitBtn2Click();
    void Button1Click();

protected:
    bool PreviewKey(int) override { return false; }
};

} // namespace tavrin
