#include "platform/RichTextConverter.h"

#include "core/rtf/RtfReader.h"
#include "core/rtf/RtfWriter.h"

#include <QColor>
#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>

namespace tavrin {
namespace {

constexpr double kTwipsPerPixel = 15.0; // 1440 twips per inch, 96 pixels per inch

QColor toQColor(std::uint32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

std::uint32_t fromQColor(const QColor& colour) {
    return static_cast<std::uint32_t>(colour.red()) |
           (static_cast<std::uint32_t>(colour.green()) << 8) |
           (static_cast<std::uint32_t>(colour.blue()) << 16);
}

double toPixels(int twips) {
    return twips / kTwipsPerPixel;
}

int toTwips(double pixels) {
    return static_cast<int>(std::lround(pixels * kTwipsPerPixel));
}

QTextOption::TabType toTabType(TabKind kind) {
    switch (kind) {
    case TabKind::Center:
        return QTextOption::CenterTab;
    case TabKind::Right:
        return QTextOption::RightTab;
    case TabKind::Decimal:
        return QTextOption::DelimiterTab;
    case TabKind::Left:
        break;
    }
    return QTextOption::LeftTab;
}

TabKind fromTabType(QTextOption::TabType type) {
    switch (type) {
    case QTextOption::CenterTab:
        return TabKind::Center;
    case QTextOption::RightTab:
        return TabKind::Right;
    case QTextOption::DelimiterTab:
        return TabKind::Decimal;
    case QTextOption::LeftTab:
        break;
    }
    return TabKind::Left;
}

QTextBlockFormat toBlockFormat(const ParagraphFormat& format) {
    QTextBlockFormat block;
    switch (format.alignment) {
    case ParagraphAlignment::Left:
        block.setAlignment(Qt::AlignLeft);
        break;
    case ParagraphAlignment::Center:
        block.setAlignment(Qt::AlignHCenter);
        break;
    case ParagraphAlignment::Right:
        block.setAlignment(Qt::AlignRight);
        break;
    case ParagraphAlignment::Justify:
        block.setAlignment(Qt::AlignJustify);
        break;
    }
    block.setLeftMargin(toPixels(format.leftIndentTwips));
    block.setRightMargin(toPixels(format.rightIndentTwips));
    block.setTextIndent(toPixels(format.firstLineIndentTwips));
    QList<QTextOption::Tab> tabs;
    for (const TabStop& stop : *format.tabStops) {
        const QChar delimiter = stop.kind == TabKind::Decimal ? QChar('.') : QChar();
        tabs.append(
            QTextOption::Tab(toPixels(stop.positionTwips), toTabType(stop.kind), delimiter));
    }
    block.setTabPositions(tabs);
    return block;
}

ParagraphFormat fromBlockFormat(const QTextBlockFormat& block) {
    ParagraphFormat format;
    const Qt::Alignment horizontal = block.alignment() & Qt::AlignHorizontal_Mask;
    if (horizontal & Qt::AlignJustify)
        format.alignment = ParagraphAlignment::Justify;
    else if (horizontal & Qt::AlignHCenter)
        format.alignment = ParagraphAlignment::Center;
    else if (horizontal & Qt::AlignRight)
        format.alignment = ParagraphAlignment::Right;
    format.leftIndentTwips = toTwips(block.leftMargin());
    format.rightIndentTwips = toTwips(block.rightMargin());
    format.firstLineIndentTwips = toTwips(block.textIndent());
    std::vector<TabStop> stops;
    for (const QTextOption::Tab& tab : block.tabPositions()) {
        if (stops.size() < kMaxTabStops)
            stops.push_back(TabStop{toTwips(tab.position), fromTabType(tab.type)});
    }
    format.tabStops = std::move(stops);
    return format;
}

QTextCharFormat toCharFormat(const CharFormat& format) {
    QTextCharFormat chars;
    if (!format.fontFace.empty())
        chars.setFontFamilies({QString::fromStdString(format.fontFace)});
    if (format.sizeHalfPoints > 0)
        chars.setFontPointSize(format.sizeHalfPoints / 2.0);
    if (format.colour)
        chars.setForeground(toQColor(*format.colour));
    if (format.background)
        chars.setBackground(toQColor(*format.background));
    chars.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    chars.setFontItalic(format.italic);
    chars.setFontUnderline(format.underline);
    chars.setFontStrikeOut(format.strikeOut);
    return chars;
}

CharFormat fromCharFormat(const QTextCharFormat& chars, const QFont& defaultFont) {
    CharFormat format;
    const QStringList families = chars.fontFamilies().toStringList();
    format.fontFace = (families.isEmpty() ? defaultFont.family() : families.front()).toStdString();
    const double points = chars.hasProperty(QTextFormat::FontPointSize) ? chars.fontPointSize()
                                                                        : defaultFont.pointSizeF();
    format.sizeHalfPoints = points > 0 ? static_cast<int>(std::lround(points * 2)) : 24;
    if (chars.foreground().style() != Qt::NoBrush)
        format.colour = fromQColor(chars.foreground().color());
    if (chars.background().style() != Qt::NoBrush)
        format.background = fromQColor(chars.background().color());
    const int weight =
        chars.hasProperty(QTextFormat::FontWeight) ? chars.fontWeight() : defaultFont.weight();
    format.bold = weight >= QFont::DemiBold;
    format.italic =
        chars.hasProperty(QTextFormat::FontItalic) ? chars.fontItalic() : defaultFont.italic();
    format.underline = chars.fontUnderline();
    format.strikeOut = chars.fontStrikeOut();
    return format;
}

// Line breaks inside a paragraph are U+2028 in a QTextDocument.
QString toQText(const std::string& text) {
    QString result = QString::fromStdString(text);
    result.replace(QChar('\n'), QChar::LineSeparator);
    return result;
}

std::string fromQText(QString text) {
    text.replace(QChar::LineSeparator, QChar('\n'));
    text.remove(QChar::ObjectReplacementCharacter); // embedded objects are not carried
    return text.toStdString();
}

} // namespace

void RichTextConverter::ToTextDocument(const RichDocument& source, QTextDocument& target) {
    const bool undo = target.isUndoRedoEnabled();
    target.setUndoRedoEnabled(false);
    target.clear();
    QTextCursor cursor(&target);
    bool first = true;
    for (const Paragraph& paragraph : source.paragraphs) {
        if (first)
            cursor.setBlockFormat(toBlockFormat(*paragraph.format));
        else
            cursor.insertBlock(toBlockFormat(*paragraph.format), QTextCharFormat());
        first = false;
        for (const TextRun& run : paragraph.runs)
            cursor.insertText(toQText(run.text), toCharFormat(*run.format));
    }
    target.setUndoRedoEnabled(undo);
    target.setModified(false);
}

RichDocument RichTextConverter::FromTextDocument(const QTextDocument& source) {
    RichDocument document;
    const QFont defaultFont = source.defaultFont();
    for (QTextBlock block = source.begin(); block.isValid(); block = block.next()) {
        Paragraph paragraph;
        paragraph.format = fromBlockFormat(block.blockFormat());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid())
                paragraph.appendText(fromCharFormat(fragment.charFormat(), defaultFont),
                                     fromQText(fragment.text()));
        }
        document.paragraphs.push_back(std::move(paragraph));
    }
    return document;
}

void LoadRtf(QTextDocument& document, std::string_view source) {
    RichTextConverter::ToTextDocument(RtfReader::Read(source), document);
}

std::string SaveRtf(const QTextDocument& document) {
    return RtfWriter::Write(RichTextConverter::FromTextDocument(document));
}

} // namespace tavrin
