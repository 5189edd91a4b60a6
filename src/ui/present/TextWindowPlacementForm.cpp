#include "ui/present/TextWindowPlacementForm.h"

#include <QLabel>
#include <QTextEdit>

#include "ui/present/DesignedScreen.h"
#include "ui/present/ScreenPlacement.h"
#include "ui/present/TwiaTile.h"

namespace tavrin {

TextWindowPlacementForm::TextWindowPlacementForm(Platform& platform,
                                                 std::filesystem::path quizFolder,
                                                 const ViewPortDesign& design,
                                                 const std::string& rtf, QWidget* parent)
    : PlacementDialog(platform, design, {tr("Help"), true}, parent),
      ScreenArea(new DesignedScreen(design, RichTextPanel::Bevel::Raised, this)),
      TextPanel(ScreenArea->TextPanel), RichEdit1(TextPanel->RichEdit1),
      quizFolder_(std::move(quizFolder)) {
    ScreenArea->setObjectName(QStringLiteral("ScreenArea"));
    TextPanel->setObjectName(QStringLiteral("TextPanel"));
    setWindowTitle(tr("Press Mouse Right Button for Menu"));
    setFixedSize(640, 480);
    CentreOnScreen(*this);
    TextPanel->setToolTip(tr("Mouse Right Button for Menu"));
    RichEdit1->setToolTip(TextPanel->toolTip());
    TextPanel->LoadRtf(rtf);
}

void TextWindowPlacementForm::showScreen(const QRect& area, bool fillArea) {
    ScreenArea->setGeometry(area);
    ScreenArea->ShowDesign(platform(), quizFolder_, fillArea);
    placeTextWindow(TextPanel, TextPanel->geometry(),
                    {ScreenArea, ScreenArea->Image1, ScreenArea->wiaTile1, TextPanel, RichEdit1,
                     RichEdit1->viewport()});
}

} // namespace tavrin
