#pragma once

#include "ui/runtime/QuizScreenFrame.h"

namespace tavrin {

class ChoiceLabel;

// The sample of a match-question screen: one line of every colour state, in
// the frame the learner's screen uses.
class TTestQForm : public QuizScreenFrame {
    Q_OBJECT
public:
    TTestQForm(Platform& platform, const QuizSettings& settings, QWidget* parent = nullptr);

    ChoiceLabel* QuestLbl1;
    ChoiceLabel* QuestLbl3; // selected
    ChoiceLabel* QuestLbl4; // answered
    ChoiceLabel* QHiLbl;
    ChoiceLabel* AnsLbl1;
    ChoiceLabel* HiAnsLbl;
};

} // namespace tavrin
