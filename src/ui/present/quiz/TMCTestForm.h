#pragma once

#include <array>

#include "ui/runtime/QuizScreenFrame.h"

namespace tavrin {

class ChoiceLabel;

// The sample of a multiple-choice screen: a question, a normal and a
// highlighted answer, in the frame the learner's screen uses.
class TMCTestForm : public QuizScreenFrame {
    Q_OBJECT
public:
    TMCTestForm(Platform& platform, const QuizSettings& settings, QWidget* parent = nullptr);

    std::array<QLabel*, 6> questionLabels;
    ChoiceLabel* AnsLbl1;
    ChoiceLabel* AnsLbl2; // highlighted
};

} // namespace tavrin
