#pragma once

#include "ui/present/quiz/ColourDesignForm.h"

class QFrame;
class QGroupBox;
class QLabel;

namespace tavrin {

// The colours of a multiple-choice screen: background, the question box and
// its text, the answer box with normal and highlighted answers.
class TMCQDesignForm : public ColourDesignForm {
    Q_OBJECT
public:
    TMCQDesignForm(Platform& platform, const QuizSettings& settings, QWidget* parent = nullptr);

    QFrame* ScreenPnl;
    QGroupBox* QuestionBox;
    QLabel* QuestLbl;
    QGroupBox* AnswerBox;
    QLabel* AnsLbl;
    QLabel* HiAnsLbl;
};

} // namespace tavrin
