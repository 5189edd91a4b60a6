#pragma once

#include "platform/PlatformDialog.h"

class QLabel;
class QPushButton;
class QSpinBox;

namespace tavrin {

// Asks how many questions to take: between 1 and the questions offered.
class TQTotakeForm : public PlatformDialog {
    Q_OBJECT

public:
    // `total` is shown; the field runs up to `offered` (the run's limit).
    TQTotakeForm(Platform& platform, int helpContext, const QString& totalText,
                 const QString& toTakeText, int total, int offered, QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QSpinBox* SpinEdit1;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    void SpinEdit1Change(int value);

    // The number chosen on OK: a field without a number counts as 2, and the
    // result never exceeds the questions offered.
    int questionsToTake() const;

private:
    int offered_;
};

} // namespace tavrin
