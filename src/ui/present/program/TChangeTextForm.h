#pragma once

#include "core/settings/ProgramScreens.h"
#include "platform/PlatformDialog.h"

class QLineEdit;
class QPushButton;

namespace tavrin {

// The texts of the introduction's menu items: Close, About and Help.
class TChangeTextForm : public PlatformDialog {
    Q_OBJECT
public:
    TChangeTextForm(Platform& platform, const ProgramScreens& screens, QWidget* parent = nullptr);

    // The screens with the edits' texts.
    ProgramScreens screens() const;

    QLineEdit* CloseEdit;
    QLineEdit* AboutEdit;
    QLineEdit* HelpEdit;
    QPushButton* DefaultsBtn;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    void DefaultsBtnClick();

private:
    void loadEdits();

    ProgramScreens screens_;
};

// Runs the menu text dialog; true, with `screens` changed, on "&OK".
bool ChangeMenuTexts(Platform& platform, ProgramScreens& screens, QWidget* parent = nullptr);

} // namespace tavrin
