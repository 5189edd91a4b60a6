#pragma once

#include "platform/PlatformDialog.h"

class QPushButton;

namespace tavrin {

struct ProjectState;

// The results menu: results graph, score groups and their feedback.
class TResMenuForm : public PlatformDialog {
    Q_OBJECT
public:
    TResMenuForm(Platform& platform, ProjectState& state, QWidget* parent = nullptr);

    QPushButton* GraphBtn;
    QPushButton* GroupsBtn;
    QPushButton* FeedbackBtn;
    QPushButton* CloseBtn;

    void GraphBtnClick();
    void GroupsBtnClick();
    void FeedbackBtnClick();

private:
    ProjectState& state_;
};

void RunResultsMenu(Platform& platform, ProjectState& state, QWidget* parent = nullptr);

} // namespace tavrin
