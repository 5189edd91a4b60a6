#pragma once

#include "ui/present/quiz/ColourDesignForm.h"

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace tavrin {

// The colours of a type-an-answer screen: background, the question box and
// its text, the box showing the correct answer, and the box the learner
// types in.
class TTIQDesignForm : public ColourDesignForm {
    Q_OBJECT
public:
    TTIQDesignForm(Platform& platform, const QuizSettings& settings, QWidget* parent = nullptr);

    QFrame* ScreenPnl;
    QGroupBox* QuestionBox;
    QLabel* QuestLbl;
    QGroupBox* AnswerBox;
    QLabel* AnsLbl;
    QGroupBox* InputBox;
    QLineEdit* InputEdit;
};

} // namespace tavrin
