#pragma once

#include "ui/shell/QuizManagerForm.h"

namespace tavrin {

// The manager of "Type an Answer" quizzes.
class TTImainform : public QuizManagerForm {
    Q_OBJECT
public:
    TTImainform(Platform& platform, ProjectState& state, const ManagerServices& services,
                QWidget* parent = nullptr)
        : QuizManagerForm(platform, state, services, QuizKind::TI, parent) {}

    QFrame*& MenuPnl = MenuPanel;
    QPushButton*& StartBtn = NewQuizBtn;
    QPushButton*& CustChapBtn = QuizPresentationBtn;
    QPushButton*& CustBookBtn = ProgramPresentationBtn;
    QPushButton*& TutBtn = TutorialBtn;
};

} // namespace tavrin
