#pragma once

#include "ui/shell/QuizManagerForm.h"

namespace tavrin {

// The manager of "Multiple Choice" quizzes.
class TMCmainform : public QuizManagerForm {
    Q_OBJECT
public:
    TMCmainform(Platform& platform, ProjectState& state, const ManagerServices& services,
                QWidget* parent = nullptr)
        : QuizManagerForm(platform, state, services, QuizKind::MC, parent) {}

    QFrame*& MenuPnl = MenuPanel;
    QPushButton*& StartBtn = NewQuizBtn;
    QPushButton*& CustChapBtn = QuizPresentationBtn;
    QPushButton*& CustBookBtn = ProgramPresentationBtn;
    QPushButton*& TutBtn = TutorialBtn;
};

} // namespace tavrin
