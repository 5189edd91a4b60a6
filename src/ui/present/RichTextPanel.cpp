#include "ui/present/RichTextPanel.h"

#include <QTextEdit>
#include <QVBoxLayout>

#include "platform/RichTextConverter.h"
#include "ui/present/ShowBackground.h"

namespace tavrin {

RichTextPanel::RichTextPanel(std::uint32_t colour, Bevel bevel, QWidget* parent)
    : QFrame(parent), RichEdit1(new QTextEdit(this)) {
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    if (bevel != Bevel::None) {
        setFrameShape(QFrame::Panel);
        setFrameShadow(bevel == Bevel::Raised ? QFrame::Raised : QFrame::Sunken);
    }
    FillWithColour(*this, colour);
    FillWithColour(*RichEdit1->viewport(), colour);
    RichEdit1->setReadOnly(true);
    RichEdit1->setFrameStyle(QFrame::NoFrame);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* layout = new QVBoxLayout(this);
    const int margin = bevel == Bevel::None ? 0 : 2;
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addWidget(RichEdit1);
}

void RichTextPanel::LoadRtf(const std::string& rtf) {
    tavrin::LoadRtf(*RichEdit1->document(), rtf);
}

void RichTextPanel::LoadTopicLines(const std::vector<std::string>& lines) {
    std::string source;
    for (const std::string& line : lines) {
        if (!source.empty())
            source += "\r\n";
        source += line;
    }
    LoadRtf(source);
}

} // namespace tavrin
