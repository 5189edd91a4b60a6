#include "ui/present/TIntDispForm.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QTextEdit>
#include <QVBoxLayout>

#include "platform/PlatformConversions.h"
#include "ui/hyper/TShowHTextForm.h"
#include "ui/hyper/TShowMultForm.h"
#include "ui/present/IntroScreenBars.h"
#include "ui/present/ShowBackground.h"
#include "ui/present/TAboutBox.h"
#include "ui/present/TwiaTile.h"

namespace tavrin {

TIntDispForm::TIntDispForm(Platform& platform, std::filesystem::path quizFolder,
                           const ProgramScreens& screens, const ProgramWindow& window,
                           const std::vector<std::string>& lines, QWidget* parent)
    : PlatformDialog(platform, 0, parent), ScreenArea(new QWidget(this)),
      Image1(new QLabel(ScreenArea)), wiaTile1(new TwiaTile(ScreenArea)),
      TextPanel(new QFrame(ScreenArea)), RichEdit1(new QTextEdit(TextPanel)),
      quizFolder_(std::move(quizFolder)) {
    setObjectName(QStringLiteral("TIntDispForm"));
    ScreenArea->setObjectName(QStringLiteral("ScreenArea"));
    Image1->setObjectName(QStringLiteral("Image1"));
    wiaTile1->setObjectName(QStringLiteral("wiaTile1"));
    TextPanel->setObjectName(QStringLiteral("TextPanel"));
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    setWindowTitle(ShownText(window.programTitle()));
    setFixedSize(640, 480);
    CentreOnScreen(*this);
    Image1->hide();
    wiaTile1->hide();

    const ViewPortDesign design = screens.introScreen().textWindow();
    const QRect area = AddIntroductionBars(*this, screens, window);
    ScreenArea->setGeometry(area);
    // A wallpaper that is no bitmap is reported; the text is shown all the same.
    ShowBackground(this->platform(), quizFolder_, BackgroundDesign::Of(design),
                   {ScreenArea, Image1, wiaTile1});

    TextPanel->setFrameShape(QFrame::Panel);
    TextPanel->setFrameShadow(QFrame::Raised);
    FillWithColour(*TextPanel, design.vpBack());
    RichEdit1->setReadOnly(true);
    RichEdit1->setFrameStyle(QFrame::NoFrame);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    FillWithColour(*RichEdit1->viewport(), design.vpBack());
    LoadTopicText(*RichEdit1, lines);
    auto* layout = new QVBoxLayout(TextPanel);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(RichEdit1);
    TextPanel->setGeometry(design.fullscreen() ? ScreenArea->rect()
                                               : QRect(design.vpLeft(), design.vpTop(),
                                                       design.vpWidth(), design.vpHeight()));
    TextPanel->raise();
    connectMenu(screens, window);
}

void TIntDispForm::connectMenu(const ProgramScreens& screens, const ProgramWindow& window) {
    if (auto* close = findChild<QAction*>(QStringLiteral("Close1")))
        connect(close, &QAction::triggered, this, &QDialog::accept);
    if (auto* about = findChild<QAction*>(QStringLiteral("About1"))) {
        const AboutBoxDesign design = screens.aboutBox();
        connect(about, &QAction::triggered, this,
                [this, design] { ShowAboutBox(platform(), quizFolder_, design, this); });
    }
    if (auto* help = findChild<QAction*>(QStringLiteral("Help1"))) {
        const int topic = window.helpStartTopic();
        connect(help, &QAction::triggered, this, [this, topic] { platform().ShowHelp(topic); });
    }
}

void TIntDispForm::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        accept();
        return;
    }
    PlatformDialog::mousePressEvent(event);
}

void ShowIntroduction(Platform& platform, const std::filesystem::path& quizFolder,
                      const ProgramScreens& screens, const ProgramWindow& window,
                      const std::vector<std::string>& lines, QWidget* parent) {
    TIntDispForm form(platform, quizFolder, screens, window, lines, parent);
    platform.RunModal(form);
}

} // namespace tavrin
