#include "ui/present/DesignedScreen.h"

#include <QLabel>

#include "ui/present/ShowBackground.h"
#include "ui/present/TwiaTile.h"

namespace tavrin {

DesignedScreen::DesignedScreen(const ViewPortDesign& design, RichTextPanel::Bevel textBevel,
                               QWidget* parent)
    : QFrame(parent), Image1(new QLabel(this)), wiaTile1(new TwiaTile(this)),
      TextPanel(new RichTextPanel(design.vpBack(), textBevel, this)), design_(design) {
    Image1->setObjectName(QStringLiteral("Image1"));
    wiaTile1->setObjectName(QStringLiteral("wiaTile1"));
    Image1->hide();
    wiaTile1->hide();
}

void DesignedScreen::ShowDesign(Platform& platform, const std::filesystem::path& quizFolder,
                                bool fillArea) {
    // A wallpaper that is no bitmap is reported; the text is shown all the same.
    ShowBackground(platform, quizFolder, BackgroundDesign::Of(design_), {this, Image1, wiaTile1});
    TextPanel->setGeometry(
        fillArea ? rect()
                 : QRect(design_.vpLeft(), design_.vpTop(), design_.vpWidth(), design_.vpHeight()));
    TextPanel->raise();
}

} // namespace tavrin
