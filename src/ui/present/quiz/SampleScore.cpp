#include "ui/present/quiz/SampleScore.h"

#include <QLabel>
#include <QProgressBar>

#include "ui/runtime/QuizScreenFrame.h"

namespace tavrin {

void ShowSampleScore(QuizScreenFrame& sample) {
    sample.Gauge1->setMaximum(2);
    sample.Gauge1->setValue(1);
    sample.QDoneLbl->setText(QStringLiteral("0"));
    sample.QrightLbl->setText(QStringLiteral("0"));
}

} // namespace tavrin
