#include "platform/RichTextConverter.h"
#include "core/rtf/RtfReader.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace tavrin;

namespace {

// What a rich-text control stores for a topic, followed by the topic's closing line.
const char* const kTopicText =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
    "{\\f1\\froman\\fcharset0 Times New Roman;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
    "\\pard\\qc\\f0\\fs32\\cf1\\b Title\\par\r\n"
    "\\pard\\li720\\fi-360\\tx2880\\f1\\fs20\\cf0\\b0 caf\\'e9\\tab\\i x\\line y\\i0"
    "{\\highlight2 z}\\par\r\n"
    "}\r\n"
    "]\r\n";

QTextCharFormat formatAt(const QTextDocument& doc, int position) {
    QTextCursor cursor(const_cast<QTextDocument*>(&doc));
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

} // namespace

TEST(RichTextConverter, LoadsFormattingIntoTheTextDocumentAndSavesItBack) {
    QTextDocument doc;
    LoadRtf(doc, kTopicText);
    ASSERT_EQ(doc.blockCount(), 2);
    const QTextBlock title = doc.firstBlock();
    EXPECT_EQ(title.text(), "Title");
    EXPECT_EQ(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QTextCharFormat titleFormat = formatAt(doc, title.position());
    EXPECT_EQ(titleFormat.fontFamilies().toStringList(), QStringList{"Arial"});
    EXPECT_DOUBLE_EQ(titleFormat.fontPointSize(), 16.0);
    EXPECT_EQ(titleFormat.fontWeight(), QFont::Bold);
    EXPECT_EQ(titleFormat.foreground().color(), QColor(255, 0, 0));

    const QTextBlock body = title.next();
    EXPECT_EQ(body.text(), QString::fromUtf8("caf\xC3\xA9\tx") + QChar::LineSeparator + "yz");
    EXPECT_DOUBLE_EQ(body.blockFormat().leftMargin(), 48.0); // 720 twips at 96 pixels per inch
    EXPECT_DOUBLE_EQ(body.blockFormat().textIndent(), -24.0);
    ASSERT_EQ(body.blockFormat().tabPositions().size(), 1);
    EXPECT_DOUBLE_EQ(body.blockFormat().tabPositions()[0].position, 192.0);
    const QTextCharFormat plain = formatAt(doc, body.position());
    EXPECT_EQ(plain.fontFamilies().toStringList(), QStringList{"Times New Roman"});
    EXPECT_EQ(plain.fontWeight(), QFont::Normal);
    EXPECT_FALSE(plain.fontItalic());
    EXPECT_EQ(plain.foreground().style(), Qt::NoBrush);
    EXPECT_TRUE(formatAt(doc, body.position() + 5).fontItalic());
    EXPECT_EQ(formatAt(doc, body.position() + 8).background().color(), QColor(0, 0, 255));
    EXPECT_FALSE(doc.isUndoAvailable());

    // Saved, it reads back as the text it was loaded from, and again the same.
    const std::string saved = SaveRtf(doc);
    EXPECT_EQ(RtfReader::Read(saved), RtfReader::Read(kTopicText));
    QTextDocument again;
    LoadRtf(again, saved);
    EXPECT_EQ(SaveRtf(again), saved);
}

TEST(RichTextConverter, SavesWhatTheEditorTyped) {
    QTextDocument doc;
    QFont font("DejaVu Sans");
    font.setPointSizeF(11);
    doc.setDefaultFont(font);
    QTextCursor cursor(&doc);
    cursor.insertText("plain ");
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setForeground(QColor(0, 128, 0));
    cursor.insertText("green", bold);
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    right.setRightMargin(30);
    cursor.insertBlock(right, QTextCharFormat());
    cursor.insertText("second\nthird"); // a new block, as the editor's Enter key makes

    const RichDocument saved = RtfReader::Read(SaveRtf(doc));
    ASSERT_EQ(saved.paragraphs.size(), 3u);
    const auto& runs = saved.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].text, "plain ");
    EXPECT_EQ(runs[0].format->fontFace, "DejaVu Sans");
    EXPECT_EQ(runs[0].format->sizeHalfPoints, 22);
    EXPECT_FALSE(runs[0].format->colour.has_value());
    EXPECT_TRUE(runs[1].format->bold);
    EXPECT_EQ(runs[1].format->colour, 0x008000u);
    EXPECT_EQ(saved.paragraphs[1].format->alignment, ParagraphAlignment::Right);
    EXPECT_EQ(saved.paragraphs[1].format->rightIndentTwips, 450);
    EXPECT_EQ(saved.plainText(), "plain green\nsecond\nthird");
}

TEST(RichTextConverter, PlainTextLoadsInTheEditorsFontReplacingTheWholeContent) {
    QTextDocument doc;
    doc.setPlainText("old text\nmore");
    LoadRtf(doc, "first line\r\nsecond caf\xE9\r\n");
    ASSERT_EQ(doc.blockCount(), 2);
    EXPECT_EQ(doc.toPlainText(), QString::fromUtf8("first line\nsecond caf\xC3\xA9"));
    const QTextCharFormat format = formatAt(doc, 0);
    EXPECT_FALSE(format.hasProperty(QTextFormat::FontFamilies));
    EXPECT_FALSE(format.hasProperty(QTextFormat::FontPointSize));
    LoadRtf(doc, "");
    EXPECT_EQ(doc.toPlainText(), "");
}
