#pragma once

#include <array>

#include "core/settings/QuizSettings.h"
#include "platform/PlatformDialog.h"

class QLineEdit;
class QPushButton;

namespace tavrin {

struct ProjectState;

// The author's score groups: the upper limits of groups 0..4 in percent.
// With group 0 empty the results fall back to groups by tens.
class TGroupScoreForm : public PlatformDialog {
    Q_OBJECT
public:
    TGroupScoreForm(Platform& platform, ProjectState& state, QWidget* parent = nullptr);

    std::array<QLineEdit*, QuizSettings::kAuthorGroups> GroupEdits{}; // Edit1..Edit5
    QPushButton* SaveBtn;
    QPushButton* CancelBtn;

    // False when the edit's number was refused (the edit is then emptied).
    bool GroupEditExit(QLineEdit& edit);
    void SaveBtnClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ProjectState& state_;
};

void RunScoreGroupDesign(Platform& platform, ProjectState& state, QWidget* parent = nullptr);

} // namespace tavrin
