#pragma once

#include "platform/PlatformDialog.h"

class QCheckBox;
class QPushButton;

namespace tavrin {

struct ProjectState;

// The question display: whether the title bar and the score bar are used,
// their designs, the question screen of the quiz's kind and its sample.
// The switches and the designs change the in-memory settings at once; only
// "&Save" writes the quiz file.
class TQPresentForm : public PlatformDialog {
    Q_OBJECT
public:
    TQPresentForm(Platform& platform, ProjectState& state, QWidget* parent = nullptr);

    QCheckBox* TitleCheckBox;
    QPushButton* TitleBtn;
    QCheckBox* ScoreCheckBox;
    QPushButton* ScoreBtn;
    QPushButton* QuestionBtn;
    QPushButton* ViewBtn;
    QPushButton* SaveBtn;
    QPushButton* CancelBtn;

    void TitleCheckBoxClick();
    void ScoreCheckBoxClick();
    void TitleBtnClick();
    void ScoreBtnClick();
    void QuestionBtnClick();
    void ViewBtnClick();
    void SaveBtnClick();

private:
    ProjectState& state_;
};

void RunQuestionDisplayDesign(Platform& platform, ProjectState& state, QWidget* parent = nullptr);

} // namespace tavrin
