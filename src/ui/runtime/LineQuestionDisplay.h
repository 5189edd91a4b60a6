#pragma once

#include <array>

#include "ui/runtime/QuizDisplayBase.h"

namespace tavrin {

// The displays of a question of six lines (type an answer, multiple choice):
// the lines, the Information and Continue buttons, and the question box in
// its colours, set up alike for both.
class LineQuestionDisplay : public QuizDisplayBase {
    Q_OBJECT

public:
    std::array<QLabel*, 6> questionLabels; // QuestLbl1..QuestLbl6
    QPushButton* Button1;                  // Information
    QPushButton* continuebitbtn;

    void Button1Click();

protected:
    LineQuestionDisplay(RunContext& run, const QString& name, QWidget* parent);

    // Information and Continue at their left edges, with Next moved between.
    void BuildButtons(int informationLeft, int nextLeft, int continueLeft);
    // After BuildFrame: the button texts, the record's lines and the
    // question box's caption and colours.
    void ShowQuestionLines();
};

} // namespace tavrin
