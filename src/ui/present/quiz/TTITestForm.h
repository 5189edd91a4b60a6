#pragma once

#include <array>

#include "ui/runtime/QuizScreenFrame.h"

namespace tavrin {

// The sample of a type-an-answer screen: a question, the correct answer and
// the empty typing box, in the frame the learner's screen uses.
class TTITestForm : public QuizScreenFrame {
    Q_OBJECT
public:
    TTITestForm(Platform& platform, const QuizSettings& settings, QWidget* parent = nullptr);

    std::array<QLabel*, 6> questionLabels;
    QGroupBox* GroupBox1;
    QLineEdit* Edit1;
    QPushButton* BitBtn2; // OK
    QLabel* AnsLbl1;
};

} // namespace tavrin
