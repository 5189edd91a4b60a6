#include "ui/present/IntroScreenBars.h"

#include <QLabel>
#include <QMenuBar>

#include "core/settings/FontSpec.h"
#include "core/settings/ProgramScreens.h"
#include "core/settings/ProgramWindow.h"
#include "platform/PlatformConversions.h"
#include "ui/present/ShowBackground.h"

namespace tavrin {
namespace {

QLabel* MakeBar(QWidget& screen, const char* name, const std::string& text,
                const std::string& fontText, std::uint32_t colour) {
    FontSpec font;
    TextToFont(fontText, font);
    auto* bar = new QLabel(ShownText(text), &screen);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setTextFormat(Qt::PlainText);
    bar->setFont(FontFromSpec(font));
    FillWithColour(*bar, colour);
    QPalette palette = bar->palette();
    palette.setColor(QPalette::WindowText,
                     ColourFromValue(static_cast<std::uint32_t>(font.colour)));
    bar->setPalette(palette);
    bar->setFixedSize(screen.width(), 2 * font.size);
    return bar;
}

} // namespace

QRect AddIntroductionBars(QWidget& screen, const ProgramScreens& screens,
                          const ProgramWindow& window) {
    const IntroScreenDesign intro = screens.introScreen();
    int top = 0;
    int bottom = screen.height();
    if (intro.useMenuBar()) {
        auto* menu = new QMenuBar(&screen);
        menu->setObjectName(QStringLiteral("MainMenu1"));
        menu->addAction(ShownText(screens.closeButtonText()))
            ->setObjectName(QStringLiteral("Close1"));
        if (screens.showAboutBox()) {
            menu->addAction(ShownText(screens.aboutButtonText()))
                ->setObjectName(QStringLiteral("About1"));
        }
        if (window.useHelpFile()) {
            menu->addAction(ShownText(screens.helpButtonText()))
                ->setObjectName(QStringLiteral("Help1"));
        }
        menu->setGeometry(0, 0, screen.width(), menu->sizeHint().height());
        top = menu->height();
    }
    if (intro.useTitleBar()) {
        QLabel* bar = MakeBar(screen, "TitleBar", intro.titleBarText(), intro.titleBarFont(),
                              intro.titleBarColour());
        bar->move(0, top);
        top += bar->height();
    }
    if (intro.useStatusBar()) {
        QLabel* bar = MakeBar(screen, "StatusBar", intro.statusBarText(), intro.statusBarFont(),
                              intro.statusBarColour());
        bottom -= bar->height();
        bar->move(0, bottom);
    }
    return {0, top, screen.width(), bottom - top};
}

} // namespace tavrin
