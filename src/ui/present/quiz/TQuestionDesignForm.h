#pragma once

#include "ui/present/quiz/ColourDesignForm.h"

class QFrame;
class QGroupBox;
class QLabel;

namespace tavrin {

// The colours of a match-question screen: background, the question box
// with normal, highlighted and selected questions, the answer box with
// normal and highlighted answers.
class TQuestionDesignForm : public ColourDesignForm {
    Q_OBJECT
public:
    TQuestionDesignForm(Platform& platform, const QuizSettings& settings,
                        QWidget* parent = nullptr);

    QFrame* ScreenPnl;
    QGroupBox* QuestionBox;
    QLabel* QuestLbl;
    QLabel* QHiLbl;
    QLabel* QSelLbl;
    QLabel* QDoneLbl;
    QGroupBox* AnswerBox;
    QLabel* AnsLbl;
    QLabel* HiAnsLbl;
};

} // namespace tavrin
