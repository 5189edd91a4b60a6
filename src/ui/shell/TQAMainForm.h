#pragma once

#include "ui/shell/QuizManagerForm.h"

namespace tavrin {

// The manager of "Match Question and Answer" quizzes.
class TQAMainForm : public QuizManagerForm {
    Q_OBJECT
public:
    TQAMainForm(Platform& platform, ProjectState& state, const ManagerServices& services,
                QWidget* parent = nullptr)
        : QuizManagerForm(platform, state, services, QuizKind::QA, parent) {}

    QFrame*& menuPnl = MenuPanel;
    QPushButton*& NewBtn = NewQuizBtn;
    QPushButton*& CustQuizBtn = QuizPresentationBtn;
    QPushButton*& CustProgBtn = ProgramPresentationBtn;
    QPushButton*& TutorBtn = TutorialBtn;
};

} // namespace tavrin
