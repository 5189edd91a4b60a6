#include "ui/runtime/QuizDisplayBase.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "ui/runtime/RunStyle.h"

namespace tavrin {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kTitleHeight = 33;

QLabel* MakeLabel(QWidget* parent, const QString& name, const QRect& place) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(place);
    return label;
}

} // namespace

QuizDisplayBase::QuizDisplayBase(RunContext& run, const QString& name, Geometry geometry,
                                 QWidget* parent)
    : PlatformDialog(run.platform, run.helpContext(), parent), run_(run) {
    setObjectName(name);
    setFixedSize(kWidth, kHeight);
    Panel1 = MakeLabel(this, QStringLiteral("Panel1"), QRect(0, 0, kWidth, kTitleHeight));
    Panel1->setAlignment(Qt::AlignCenter);
    QuestionGrpBox = new QGroupBox(this);
    QuestionGrpBox->setObjectName(QStringLiteral("QuestionGrpBox"));
    AnswerGrpBox = new QGroupBox(this);
    AnswerGrpBox->setObjectName(QStringLiteral("AnswerGrpBox"));

    const int controlTop = kHeight - geometry.controlHeight;
    ControlPnl = new QWidget(this);
    ControlPnl->setObjectName(QStringLiteral("ControlPnl"));
    ControlPnl->setGeometry(0, controlTop, kWidth, geometry.controlHeight);
    ScorePnl = new QWidget(this);
    ScorePnl->setObjectName(QStringLiteral("ScorePnl"));
    ScorePnl->setGeometry(0, controlTop - geometry.scoreHeight, kWidth, geometry.scoreHeight);
    BuildScorePanel();

    NextBitBtn = MakeButton(QStringLiteral("NextBitBtn"), QString(), 400);
    NextBitBtn->hide();
    BitBtn1 = MakeButton(QStringLiteral("BitBtn1"), QString(), 512);
    connect(BitBtn1, &QPushButton::clicked, this, &QuizDisplayBase::BitBtn1Click);
    connect(NextBitBtn, &QPushButton::clicked, this, &QuizDisplayBase::NextBitBtnClick);

    qApp->installEventFilter(this);
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QPushButton* QuizDisplayBase::MakeButton(const QString& name, const QString& caption, int left,
                                         int width) {
    auto* button = new QPushButton(caption, ControlPnl);
    button->setObjectName(name);
    button->setAutoDefault(false);
    const int height = std::min(25, ControlPnl->height() - 4);
    button->setGeometry(left, (ControlPnl->height() - height) / 2, width, height);
    return button;
}

void QuizDisplayBase::BuildScorePanel() {
    const int middle = ScorePnl->height() / 2 - 8;
    TotQuestLbl = MakeLabel(ScorePnl, QStringLiteral("TotQuestLbl"), QRect(16, middle, 100, 17));
    ShowTquestlbl =
        MakeLabel(ScorePnl, QStringLiteral("ShowTquestlbl"), QRect(118, middle, 40, 17));
    ScoreLbl = MakeLabel(ScorePnl, QStringLiteral("ScoreLbl"), QRect(168, middle, 50, 17));
    Gauge1 = new QProgressBar(ScorePnl);
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge1->setGeometry(220, middle - 2, 160, 21);
    Gauge1->setTextVisible(true);
    AnsweredLbl = MakeLabel(ScorePnl, QStringLiteral("AnsweredLbl"), QRect(396, middle, 70, 17));
    QDoneLbl = MakeLabel(ScorePnl, QStringLiteral("QDoneLbl"), QRect(466, middle, 40, 17));
    CorrectLbl = MakeLabel(ScorePnl, QStringLiteral("CorrectLbl"), QRect(516, middle, 70, 17));
    QrightLbl = MakeLabel(ScorePnl, QStringLiteral("QrightLbl"), QRect(586, middle, 40, 17));
}

void QuizDisplayBase::BuildFrame() {
    const auto& settings = run_.settings;
    setWindowTitle(run_.programTitle());
    PaintBackground(*this, settings.questionScreenColour());
    PaintBackground(*ControlPnl, settings.questionScreenColour());

    TotQuestLbl->setText(run_.text(CustomTexts::kTotalQuestionsLabel));
    ScoreLbl->setText(run_.text(CustomTexts::kScoreLabel));
    CorrectLbl->setText(run_.text(CustomTexts::kCorrectLabel));
    AnsweredLbl->setText(run_.text(CustomTexts::kAnsweredLabel));
    BitBtn1->setText(run_.text(CustomTexts::kQuitButton));
    NextBitBtn->setText(run_.text(CustomTexts::kNextButton));

    Panel1->setVisible(settings.useTitleBar());
    Panel1->setText(ShownText(settings.titleBarText()));
    PaintBackground(*Panel1, settings.titleBarColour());
    QColor titleColour;
    Panel1->setFont(StoredFont(settings.titleFont(), titleColour));
    QPalette titlePalette = Panel1->palette();
    titlePalette.setColor(QPalette::WindowText, titleColour);
    Panel1->setPalette(titlePalette);

    ShowTquestlbl->setText(QString::number(run_.state.QuestionsToTake));
    ScorePnl->setVisible(settings.useScoreBar());
    PaintBackground(*ScorePnl, settings.scorePanelColour());
    PaintText(*ScorePnl, settings.scorePanelTextColour());
    QPalette gauge = Gauge1->palette();
    gauge.setColor(QPalette::Base, StoredColour(settings.scoreBarColour()));
    gauge.setColor(QPalette::Highlight, StoredColour(settings.progressColour()));
    Gauge1->setPalette(gauge);
}

void QuizDisplayBase::ShowScore(int done) {
    const auto& state = run_.state;
    Gauge1->setMaximum(std::max(state.QuestionsToTake, 1));
    Gauge1->setValue(state.QuestionsCorrect);
    QDoneLbl->setText(QString::number(done));
    QrightLbl->setText(QString::number(state.QuestionsCorrect));
}

void QuizDisplayBase::ShowEndButtons(QPushButton* continueButton, bool last) {
    if (last) {
        BitBtn1->hide();
        NextBitBtn->hide();
        continueButton->show();
        return;
    }
    NextBitBtn->show();
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
