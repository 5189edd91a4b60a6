#include "ui/present/TIntDispForm.h"

#include <QAction>
#include <QMouseEvent>

#include "platform/PlatformConversions.h"
#include "ui/present/DesignedScreen.h"
#include "ui/present/IntroScreenBars.h"
#include "ui/present/ScreenPlacement.h"
#include "ui/present/TAboutBox.h"

namespace tavrin {

TIntDispForm::TIntDispForm(Platform& platform, std::filesystem::path quizFolder,
                           const ProgramScreens& screens, const ProgramWindow& window,
                           const std::vector<std::string>& lines, QWidget* parent)
    : PlatformDialog(platform, 0, parent),
      ScreenArea(new DesignedScreen(screens.introScreen().textWindow(),
                                    RichTextPanel::Bevel::Raised, this)),
      quizFolder_(std::move(quizFolder)) {
    setObjectName(QStringLiteral("TIntDispForm"));
    ScreenArea->setObjectName(QStringLiteral("ScreenArea"));
    ScreenArea->TextPanel->setObjectName(QStringLiteral("TextPanel"));
    setWindowTitle(ShownText(window.programTitle()));
    setFixedSize(640, 480);
    CentreOnScreen(*this);

    ScreenArea->setGeometry(AddIntroductionBars(*this, screens, window));
    ScreenArea->TextPanel->LoadTopicLines(lines);
    ScreenArea->ShowDesign(this->platform(), quizFolder_,
                           screens.introScreen().textWindow().fullscreen());
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
