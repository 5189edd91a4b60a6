#include "ui/runtime/QuizDisplayBase.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

namespace tavrin {

QuizDisplayBase::QuizDisplayBase(RunContext& run, const QString& name, Geometry geometry,
                                 QWidget* parent)
    : QuizScreenFrame(run.platform, run.helpContext(), name, geometry, parent), run_(run) {
    connect(BitBtn1, &QPushButton::clicked, this, &QuizDisplayBase::BitBtn1Click);
    connect(NextBitBtn, &QPushButton::clicked, this, &QuizDisplayBase::NextBitBtnClick);
    qApp->installEventFilter(this);
}

void QuizDisplayBase::BuildFrame() {
    QuizScreenFrame::BuildFrame(run_.settings, run_.state.QuestionsToTake);
}

void QuizDisplayBase::ShowScore(int done) {
    const auto& state = run_.state;
    Gauge1->setMaximum(std::max(state.QuestionsToTake, 1));
    Gauge1->setValue(state.QuestionsCorrect);
    QDoneLbl->setText(QString::number(done));
    QrightLbl->setText(QString::number(state.QuestionsCorrect));
}

void QuizDisplayBase::ShowEndButtons(QPushButton* continueButton, bool last) {
    // The button that moves on becomes the default, so that Enter presses it.
    if (last) {
        BitBtn1->hide();
        NextBitBtn->hide();
        continueButton->show();
        continueButton->setDefault(true);
        return;
    }
    NextBitBtn->show();
    NextBitBtn->setDefault(true);
}

void QuizDisplayBase::BitBtn1Click() {
    if (!run_.ConfirmQuit())
        return;
    closePermitted_ = true;
    done(QDialog::Rejected);
}

void QuizDisplayBase::NextBitBtnClick() {
    closePermitted_ = true;
    done(QDialog::Accepted);
}

void QuizDisplayBase::ContinueClick() {
    closePermitted_ = true;
    done(QDialog::Accepted);
}

void QuizDisplayBase::done(int result) {
    if (!closePermitted_) {
        if (!run_.ConfirmQuit())
            return;
        closePermitted_ = true;
    }
    run_.state.UpdatePercent();
    qApp->removeEventFilter(this);
    PlatformDialog::done(result);
}

bool QuizDisplayBase::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !isVisible())
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this)
        return false;
    return PreviewKey(static_cast<QKeyEvent*>(event)->key());
}

} // namespace tavrin
