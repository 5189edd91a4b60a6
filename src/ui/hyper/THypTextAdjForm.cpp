#include "ui/hyper/THypTextAdjForm.h"

#include <QFrame>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "core/settings/TextWindowPlacement.h"
#include "ui/present/RichTextPanel.h"
#include "ui/present/ScreenPlacement.h"

namespace tavrin {
namespace {

constexpr int kTitleStripHeight = 20;

QRect toQRect(const HandleRect& r) {
    return {r.left, r.top, r.width, r.height};
}

} // namespace

THypTextAdjForm::THypTextAdjForm(Platform& platform, const ViewPortDesign& design,
                                 const std::string& rtf, QWidget* parent)
    : PlacementDialog(platform, design, {tr("&Help"), false}, parent), Panel1(new QFrame(this)),
      TitleStrip(new QFrame(Panel1)),
      TextArea(new RichTextPanel(design.vpBack(), RichTextPanel::Bevel::Lowered, Panel1)),
      CloseBtn(new QPushButton(tr("Close"), Panel1)) {
    setObjectName(QStringLiteral("THypTextAdjForm"));
    setWindowTitle(tr("Press Mouse right button for Menu"));
    setFixedSize(640, 480);
    CentreOnScreen(*this); // the form is the design area
    Panel1->setObjectName(QStringLiteral("Panel1"));
    TitleStrip->setObjectName(QStringLiteral("TitleStrip"));
    TextArea->setObjectName(QStringLiteral("TextArea"));
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    TitleStrip->setFixedHeight(kTitleStripHeight);
    TitleStrip->setStyleSheet(QStringLiteral("background: navy;"));
    TextArea->LoadRtf(rtf);
    auto* layout = new QVBoxLayout(Panel1);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(TitleStrip);
    layout->addWidget(TextArea, 1);
    layout->addWidget(CloseBtn, 0, Qt::AlignHCenter);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setAutoFillBackground(true);
    // Resized, the mock stays wide enough for its centred button.
    Panel1->setMinimumWidth(CloseBtn->sizeHint().width() + 4);
    placeTextWindow(Panel1, toQRect(MockWindowFromViewPort(design)),
                    {TitleStrip, TextArea, TextArea->RichEdit1, TextArea->RichEdit1->viewport()});
    connect(CloseBtn, &QPushButton::clicked, this, &QWidget::close);
}

void THypTextAdjForm::storeTextWindow(const QRect& placed, ViewPortDesign& design) const {
    StoreMockWindowInViewPort({placed.x(), placed.y(), placed.width(), placed.height()}, design);
}

bool AdjustTextWindow(Platform& platform, ViewPortDesign& design, const std::string& rtf,
                      QWidget* parent) {
    THypTextAdjForm form(platform, design, rtf, parent);
    return RunPlacement(platform, form, design);
}

} // namespace tavrin
