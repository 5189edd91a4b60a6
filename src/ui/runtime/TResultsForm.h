#pragma once

#include "platform/PlatformDialog.h"
#include "ui/runtime/RunContext.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace tavrin {

// The results screen: questions answered, correct answers, and a vertical
// gauge of correct out of asked in the pass or the fail colour.
class TResultsForm : public PlatformDialog {
    Q_OBJECT

public:
    TResultsForm(RunContext& run, QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QProgressBar* Gauge1;
    QPushButton* OKBtn;

    // The colour the gauge bar was given.
    QColor barColour() const;
};

} // namespace tavrin
