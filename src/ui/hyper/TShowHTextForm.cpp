#include "ui/hyper/TShowHTextForm.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "core/settings/TextWindowPlacement.h"
#include "ui/present/RichTextPanel.h"
#include "ui/present/ScreenPlacement.h"

namespace tavrin {

TShowHTextForm::TShowHTextForm(Platform& platform, const ViewPortDesign& design,
                               const std::vector<std::string>& lines, const QString& caption,
                               QWidget* parent)
    : PlatformDialog(platform, 0, parent),
      Panel1(new RichTextPanel(design.vpBack(), RichTextPanel::Bevel::Lowered, this)),
      RichEdit1(Panel1->RichEdit1), Panel2(new QFrame(this)),
      BitBtn1(new QPushButton(tr("&OK"), Panel2)), design_(design) {
    setObjectName(QStringLiteral("TShowHTextForm"));
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel2->setObjectName(QStringLiteral("Panel2"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    setWindowTitle(caption);
    RichEdit1->document()->setDocumentMargin(5);
    Panel1->LoadTopicLines(lines);

    BitBtn1->setDefault(true);
    auto* strip = new QHBoxLayout(Panel2);
    strip->addStretch();
    strip->addWidget(BitBtn1);
    strip->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1, 1);
    layout->addWidget(Panel2);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

void TShowHTextForm::FormActivate() {
    // The window's frame goes where the mock window's frame was placed.
    const QRect area = DesignAreaOnScreen();
    const HandleRect placed =
        TextWindowOnScreen(design_, {area.x(), area.y(), area.width(), area.height()});
    move(placed.left, placed.top);
    resize(placed.width, placed.height);
}

void TShowHTextForm::showEvent(QShowEvent* event) {
    FormActivate();
    PlatformDialog::showEvent(event);
}

} // namespace tavrin
