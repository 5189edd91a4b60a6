#include "ui/hyper/TShowHTextForm.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "platform/RichTextConverter.h"
#include "ui/present/ShowBackground.h"

namespace tavrin {

void LoadTopicText(QTextEdit& editor, const std::vector<std::string>& lines) {
    std::string source;
    for (const std::string& line : lines) {
        if (!source.empty())
            source += "\r\n";
        source += line;
    }
    LoadRtf(*editor.document(), source);
}

TShowHTextForm::TShowHTextForm(Platform& platform, const ViewPortDesign& design,
                               const std::vector<std::string>& lines, const QString& caption,
                               QPoint origin, QWidget* parent)
    : PlatformDialog(platform, 0, parent), Panel1(new QFrame(this)),
      RichEdit1(new QTextEdit(Panel1)), Panel2(new QFrame(this)),
      BitBtn1(new QPushButton(tr("&OK"), Panel2)), design_(design), origin_(origin) {
    setObjectName(QStringLiteral("TShowHTextForm"));
    Panel1->setObjectName(QStringLiteral("Panel1"));
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    Panel2->setObjectName(QStringLiteral("Panel2"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    setWindowTitle(caption);

    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    FillWithColour(*Panel1, design_.vpBack());
    FillWithColour(*RichEdit1->viewport(), design_.vpBack());
    RichEdit1->setReadOnly(true);
    RichEdit1->setFrameStyle(QFrame::NoFrame);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->document()->setDocumentMargin(5);
    LoadTopicText(*RichEdit1, lines);
    auto* textLayout = new QVBoxLayout(Panel1);
    textLayout->setContentsMargins(2, 2, 2, 2);
    textLayout->addWidget(RichEdit1);

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
    move(origin_.x() + design_.vpLeft(), origin_.y() + design_.vpTop());
    resize(design_.vpWidth() + 3, design_.vpHeight());
}

void TShowHTextForm::showEvent(QShowEvent* event) {
    FormActivate();
    PlatformDialog::showEvent(event);
}

} // namespace tavrin
