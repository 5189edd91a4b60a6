#include "ui/shell/TNquizMainForm.h"

#include "platform/Platform.h"
#include "ui/shell/FormHelp.h"
#include "ui/shell/MenuStyle.h"
#include "ui/shell/TQuizaboutform.h"
#include "ui/shell/TiledBackground.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace tavrin {

namespace {

const QString kLowColourWarning =
    QStringLiteral("Your video Display mode is set at 256 colors.\n\r\n\r"
                   "The graphics in this program need High Color\n\r"
                   "or True Color. At the Start Menu select Settings\n\r"
                   "then Control Panel then Display - Settings to\n\r"
                   "change the video Display mode");

} // namespace

TNquizMainForm::TNquizMainForm(Platform& platform, const QString& programTitle, Actions actions,
                               QWidget* parent)
    : QWidget(parent), Background(new TiledBackground(this)), menuPnl(new QFrame(this)),
      TitlePnl(new QLabel(QStringLiteral("Tavrin for Windows - Ver 2.2"), menuPnl)),
      GroupBox1(new QGroupBox(QStringLiteral("  Select a Quiz Type "), menuPnl)),
      SelectBtn(new QPushButton(QStringLiteral("&Match Question and Answer"), GroupBox1)),
      NewBtn(new QPushButton(QStringLiteral("&Type an Answer"), GroupBox1)),
      Button1(new QPushButton(QStringLiteral("Multiple &Choice"), GroupBox1)),
      GroupBox2(new QGroupBox(menuPnl)),
      TutorBtn(new QPushButton(QStringLiteral("&Tutorial"), GroupBox2)),
      HelpBtn(new QPushButton(QStringLiteral("&Help"), GroupBox2)),
      AboutBtn(new QPushButton(QStringLiteral("&About This Program"), GroupBox2)),
      QuitBtn(new QPushButton(QStringLiteral("&Quit"), menuPnl)), Timer1(new QTimer(this)),
      platform_(platform), programTitle_(programTitle), actions_(std::move(actions)) {
    setObjectName(QStringLiteral("TNquizMainForm"));
    setWindowTitle(programTitle);
    resize(kClientWidth, kClientHeight);
    Background->setObjectName(QStringLiteral("Background"));
    BuildMenuPanel();
    menuPnl->hide();

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &TNquizMainForm::Timer1Timer);
    Timer1->start();
    InstallHelpKey(*this, platform, kHelpContext);
}

void TNquizMainForm::BuildMenuPanel() {
    menuPnl->setObjectName(QStringLiteral("menuPnl"));
    TitlePnl->setObjectName(QStringLiteral("TitlePnl"));
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    StyleMenuPanel(*menuPnl, *TitlePnl);

    const std::pair<QPushButton*, const char*> buttons[] = {
        {SelectBtn, "SelectBtn"}, {NewBtn, "NewBtn"},   {Button1, "Button1"},
        {TutorBtn, "TutorBtn"},   {HelpBtn, "HelpBtn"}, {AboutBtn, "AboutBtn"},
        {QuitBtn, "QuitBtn"}};
    for (auto [button, name] : buttons) {
        button->setObjectName(QString::fromLatin1(name));
        button->setMinimumWidth(220);
    }

    auto* kinds = new QVBoxLayout(GroupBox1);
    for (QPushButton* button : {SelectBtn, NewBtn, Button1})
        kinds->addWidget(button);
    auto* others = new QVBoxLayout(GroupBox2);
    for (QPushButton* button : {TutorBtn, HelpBtn, AboutBtn})
        others->addWidget(button);

    auto* layout = new QVBoxLayout(menuPnl);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->addWidget(TitlePnl);
    layout->addWidget(GroupBox1);
    layout->addWidget(GroupBox2);
    layout->addWidget(QuitBtn, 0, Qt::AlignHCenter);
    menuPnl->adjustSize();

    connect(SelectBtn, &QPushButton::clicked, this, &TNquizMainForm::SelectBtnClick);
    connect(NewBtn, &QPushButton::clicked, this, &TNquizMainForm::NewBtnClick);
    connect(Button1, &QPushButton::clicked, this, &TNquizMainForm::Button1Click);
    connect(TutorBtn, &QPushButton::clicked, this, &TNquizMainForm::TutorBtnClick);
    connect(HelpBtn, &QPushButton::clicked, this, &TNquizMainForm::HelpBtnClick);
    connect(AboutBtn, &QPushButton::clicked, this, &TNquizMainForm::AboutBtnClick);
    connect(QuitBtn, &QPushButton::clicked, this, &TNquizMainForm::QuitBtnClick);
}

void TNquizMainForm::Timer1Timer() {
    Timer1->stop();
    if (platform_.ScreenColourDepth() < 16)
        platform_.ShowInfo(kLowColourWarning);
    menuPnl->show();
    HelpBtn->setFocus();
}

void TNquizMainForm::OpenManagerOf(QuizKind kind) {
    menuPnl->hide();
    if (actions_.openManager)
        actions_.openManager(kind);
    menuPnl->show();
}

void TNquizMainForm::TutorBtnClick() {
    menuPnl->hide();
    if (actions_.showTutorial)
        actions_.showTutorial();
    menuPnl->show();
}

void TNquizMainForm::HelpBtnClick() {
    platform_.ShowHelp(1);
}

void TNquizMainForm::AboutBtnClick() {
    TQuizaboutform about(platform_, programTitle_, this);
    platform_.RunModal(about);
}

void TNquizMainForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Background->setGeometry(rect());
    CentreMenuPanel();
}

void TNquizMainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    CentreMenuPanel();
    if (windowState() & Qt::WindowMaximized)
        FillScreenWhenNotMaximised(*this);
}

void TNquizMainForm::CentreMenuPanel() {
    menuPnl->move(Background->width() / 2 - menuPnl->width() / 2,
                  Background->height() / 2 - menuPnl->height() / 2);
}

} // namespace tavrin
