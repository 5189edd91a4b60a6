#pragma once

#include "platform/PlatformDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavrin {

// The find prompt: the text to look for, then "Find First" (result 1),
// "Find Next" (result 2) or "Cancel" (result 0).
class TGetInputTextForm : public PlatformDialog {
    Q_OBJECT

public:
    TGetInputTextForm(Platform& platform, const QString& text, int helpContext,
                      QWidget* parent = nullptr);

    QString text() const;

    QLabel* Label1;
    QLineEdit* Edit1;
    QPushButton* FindFirstBtn;
    QPushButton* FindNextBtn;
    QPushButton* CancelBtn;

    void FindFirstBtnClick();
    void FindNextBtnClick();
};

} // namespace tavrin
