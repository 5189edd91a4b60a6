#pragma once

#include "platform/PlatformDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavrin {

struct ProjectState;

// The pass percentage and the colours of the results graph.
class TQDesignRForm : public PlatformDialog {
    Q_OBJECT
public:
    TQDesignRForm(Platform& platform, ProjectState& state, QWidget* parent = nullptr);

    QLineEdit* Edit1;
    QLabel* PassPanel;
    QLabel* FailPanel;
    QPushButton* PassBtn;
    QPushButton* FailBtn;
    QPushButton* SaveBtn;
    QPushButton* CancelBtn;

    // False when the edit's number was refused (it then shows "50").
    bool Edit1Exit();
    void SaveBtnClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ProjectState& state_;
};

void RunResultsGraphDesign(Platform& platform, ProjectState& state, QWidget* parent = nullptr);

} // namespace tavrin
