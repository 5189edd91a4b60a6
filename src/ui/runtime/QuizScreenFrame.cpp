#include "ui/runtime/QuizScreenFrame.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "core/settings/QuizSettings.h"
#include "ui/runtime/RunStyle.h"

namespace tavrin {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kTitleHeight = 33;
constexpr int kQuestionTops[6] = {25, 40, 56, 72, 88, 104};
constexpr int kOptionTops[6] = {24, 45, 66, 86, 107, 128};

QLabel* MakeLabel(QWidget* parent, const QString& name, const QRect& place) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

QuizScreenFrame::QuizScreenFrame(Platform& platform, int helpContext, const QString& name,
                                 Geometry geometry, QWidget* parent)
    : PlatformDialog(platform, helpContext, parent) {
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
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QPushButton* QuizScreenFrame::MakeButton(const QString& name, const QString& caption, int left,
                                         int width) {
    auto* button = new QPushButton(caption, ControlPnl);
    button->setObjectName(name);
    button->setAutoDefault(false);
    const int height = std::min(25, ControlPnl->height() - 4);
    button->setGeometry(left, (ControlPnl->height() - height) / 2, width, height);
    return button;
}

void QuizScreenFrame::BuildScorePanel() {
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

void QuizScreenFrame::BuildFrame(const QuizSettings& settings, int questionsToTake) {
    const CustomTexts texts = settings.customTexts();
    setWindowTitle(ShownText(settings.programWindow().programTitle()));
    PaintBackground(*this, settings.questionScreenColour());
    PaintBackground(*ControlPnl, settings.questionScreenColour());

    TotQuestLbl->setText(ShownText(texts.totalQuestionsLabel()));
    ScoreLbl->setText(ShownText(texts.scoreLabel()));
    CorrectLbl->setText(ShownText(texts.correctLabel()));
    AnsweredLbl->setText(ShownText(texts.answeredLabel()));
    BitBtn1->setText(ShownText(texts.quitButton()));
    NextBitBtn->setText(ShownText(texts.nextButton()));

    Panel1->setVisible(settings.useTitleBar());
    Panel1->setText(ShownText(settings.titleBarText()));
    PaintBackground(*Panel1, settings.titleBarColour());
    QColor titleColour;
    Panel1->setFont(StoredFont(settings.titleFont(), titleColour));
    QPalette titlePalette = Panel1->palette();
    titlePalette.setColor(QPalette::WindowText, titleColour);
    Panel1->setPalette(titlePalette);

    ShowTquestlbl->setText(QString::number(questionsToTake));
    ScorePnl->setVisible(settings.useScoreBar());
    PaintBackground(*ScorePnl, settings.scorePanelColour());
    PaintText(*ScorePnl, settings.scorePanelTextColour());
    QPalette gauge = Gauge1->palette();
    gauge.setColor(QPalette::Base, ColourFromValue(settings.scoreBarColour()));
    gauge.setColor(QPalette::Highlight, ColourFromValue(settings.progressColour()));
    Gauge1->setPalette(gauge);
}

void QuizScreenFrame::PaintQuestionBox(const QuizSettings& settings) {
    PaintBackground(*QuestionGrpBox, settings.questionBoxColour());
    PaintText(*QuestionGrpBox, settings.questionTextColour());
}

void QuizScreenFrame::PaintAnswerBox(const QuizSettings& settings) {
    PaintBackground(*AnswerGrpBox, settings.answerBoxColour());
    PaintText(*AnswerGrpBox, settings.answerTextColour());
}

void QuizScreenFrame::PaintTypingBox(QGroupBox& box, const QuizSettings& settings) {
    PaintBackground(box, settings.inputBoxColour());
    PaintText(box, settings.inputTextColour());
}

void QuizScreenFrame::PlaceMatchBoxes() {
    QuestionGrpBox->setGeometry(16, 35, 601, 180);
    AnswerGrpBox->setGeometry(16, 215, 601, 180);
}

std::array<QLabel*, 6> QuizScreenFrame::PlaceQuestionLines() {
    QuestionGrpBox->setGeometry(16, 42, 601, 142);
    std::array<QLabel*, 6> lines{};
    for (int line = 1; line <= 6; ++line)
        lines[static_cast<std::size_t>(line - 1)] =
            MakeLabel(QuestionGrpBox, QStringLiteral("QuestLbl%1").arg(line),
                      QRect(16, kQuestionTops[line - 1], 569, 16));
    return lines;
}

void QuizScreenFrame::PlaceChoiceBox() {
    AnswerGrpBox->setGeometry(16, 206, 601, 154);
}

QRect QuizScreenFrame::ChoiceOptionPlace(int tag) {
    return QRect(16, kOptionTops[tag - 1], 569, 18);
}

QuizScreenFrame::TypingBox QuizScreenFrame::PlaceTypingBoxes() {
    TypingBox box{};
    box.group = new QGroupBox(this);
    box.group->setObjectName(QStringLiteral("GroupBox1"));
    box.group->setGeometry(16, 200, 601, 89);
    box.edit = new QLineEdit(box.group);
    box.edit->setObjectName(QStringLiteral("Edit1"));
    box.edit->setGeometry(16, 28, 569, 22);
    box.ok = new QPushButton(tr("&OK"), box.group);
    box.ok->setObjectName(QStringLiteral("BitBtn2"));
    box.ok->setGeometry(263, 56, 75, 25);
    AnswerGrpBox->setGeometry(16, 302, 601, 59);
    box.answer = MakeLabel(AnswerGrpBox, QStringLiteral("AnsLbl1"), QRect(16, 24, 569, 16));
    return box;
}

} // namespace tavrin
