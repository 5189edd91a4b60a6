#pragma once

#include "ui/runtime/LineQuestionDisplay.h"

class QLineEdit;

namespace tavrin {

// One question of a type-an-answer quiz. The learner types an answer and
// confirms it once; it is right when it contains one of the stored matches.
// The correct answer is then revealed, with the question's information.
class TTIDispForm : public LineQuestionDisplay {
    Q_OBJECT

public:
    TTIDispForm(RunContext& run, QWidget* parent = nullptr);

    QGroupBox* GroupBox1; // the typing box
    QLabel* AnsLbl1;
    QLineEdit* Edit1;
    QPushButton* BitBtn2; // OK

    void BitBtn2Click();

protected:
    bool PreviewKey(int) override { return false; }
};

} // namespace tavrin
