#include "core/rtf/RtfReader.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/core/rtf/RtfRuns.h"

using namespace tavrin;
using tavrin::testing::Paragraphs;

namespace {

using Lines = std::vector<std::string>;

// A header as rich-text controls write it: two fonts, auto + red + blue.
const std::string kHeader = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033"
                            "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
                            "{\\f1\\froman\\fprq2\\fcharset0 Times New Roman;}}\r\n"
                            "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\r\n";

RichDocument read(const std::string& body) {
    return RtfReader::Read(kHeader + body);
}

} // namespace

TEST(RtfReader, CharacterFormattingOfRuns) {
    EXPECT_EQ(
        Paragraphs(read("\\viewkind4\\uc1\\pard\\f0\\fs20 plain \\b bold\\b0  \\i italic\\i0  "
                        "\\ul under\\ulnone  \\strike gone\\strike0  \\cf1 red\\cf0  "
                        "\\f1\\fs36 big\\par\r\n}")),
        Lines{"plain {Arial 20}|bold{Arial 20 B}| {Arial 20}|italic{Arial 20 I}| {Arial 20}|"
              "under{Arial 20 U}| {Arial 20}|gone{Arial 20 S}| {Arial 20}|"
              "red{Arial 20 c0000ff}| {Arial 20}|big{Times New Roman 36}"});
}

TEST(RtfReader, GroupsRestoreFormattingAndPlainResets) {
    EXPECT_EQ(
        Paragraphs(read("\\pard\\fs20 a{\\b\\cf2 b{\\i c}d}e\\b\\i\\fs40\\plain f\\par}")),
        Lines{"a{Arial 20}|b{Arial 20 B cff0000}|c{Arial 20 B I cff0000}|d{Arial 20 B cff0000}|"
              "e{Arial 20}|f{Arial 24}"});
    // \plain goes back to the default font, not the first one.
    EXPECT_EQ(Paragraphs(RtfReader::Read(
                  "{\\rtf1\\deff1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}\\f0\\fs50\\plain x}")),
              Lines{"x{Courier New 24}"});
}

TEST(RtfReader, ColoursFromTheTable) {
    EXPECT_EQ(Paragraphs(read("\\highlight2 a\\highlight0 b{\\cb1 c}{\\chcbpat2 d}}")),
              Lines{"a{Arial 24 hff0000}|b{Arial 24}|c{Arial 24 h0000ff}|d{Arial 24 hff0000}"});
    // Without an auto entry index 0 is a colour; an index past the table is none.
    EXPECT_EQ(
        Paragraphs(RtfReader::Read("{\\rtf1{\\colortbl\\red0\\green128\\blue0;}\\cf0 g\\cf7 x}")),
        Lines{"g{ 24 c008000}|x{ 24}"});
}

TEST(RtfReader, ParagraphsAndTheirFormats) {
    const RichDocument doc =
        read("\\pard\\qc centre\\par\r\n"
             "\\pard\\qr right\\par\r\n"
             "\\pard\\qj\\li720\\ri360\\fi-240 justified\\par\r\n"
             "\\pard\\tx1440\\tqr\\tx4320\\tqc\\tx5000\\tqdec\\tx6000 a\\tab b\\line c\\par\r\n"
             "\\par\r\n"
             "last}");
    ASSERT_EQ(doc.paragraphs.size(), 6u);
    EXPECT_EQ(doc.paragraphs[0].format->alignment, ParagraphAlignment::Center);
    EXPECT_EQ(doc.paragraphs[1].format->alignment, ParagraphAlignment::Right);
    const ParagraphFormat& third = *doc.paragraphs[2].format;
    EXPECT_EQ(third.alignment, ParagraphAlignment::Justify);
    EXPECT_EQ(third.leftIndentTwips, 720);
    EXPECT_EQ(third.rightIndentTwips, 360);
    EXPECT_EQ(third.firstLineIndentTwips, -240);
    const std::vector<TabStop> tabs = {{1440, TabKind::Left},
                                       {4320, TabKind::Right},
                                       {5000, TabKind::Center},
                                       {6000, TabKind::Decimal}};
    EXPECT_EQ(*doc.paragraphs[3].format->tabStops, tabs);
    EXPECT_EQ(doc.paragraphs[3].plainText(), "a\tb\nc");
    // \pard was not repeated: the empty paragraph keeps the tabs.
    EXPECT_EQ(*doc.paragraphs[4].format->tabStops, tabs);
    EXPECT_TRUE(doc.paragraphs[4].runs.empty());
    // Text after the last \par is a paragraph of its own; a final mark adds none.
    EXPECT_EQ(doc.paragraphs[5].plainText(), "last");
    EXPECT_EQ(read("one\\par two\\par\r\n}").paragraphs.size(), 2u);
    EXPECT_EQ(read("}").paragraphs.size(), 0u);
}

TEST(RtfReader, EightBitEscapesAndUnicode) {
    // \'e9 = e acute, \'80 = euro sign in Windows-1252; \u8364? with its fallback skipped.
    const RichDocument doc = read("caf\\'e9 \\'80 \\u8364? \\uc2\\u8211\\'96\\'96 x\\uc0\\u169 y"
                                  "\\uc1\\u-10179?\\u-8704? \\u-3?}");
    EXPECT_EQ(doc.plainText(), "caf\xC3\xA9 \xE2\x82\xAC \xE2\x82\xAC \xE2\x80\x93 x\xC2\xA9y"
                               "\xF0\x9F\x98\x80 \xEF\xBF\xBD");
    // The skip count ends with its group.
    EXPECT_EQ(read("{\\uc2 \\u233 XX}\\u233 Yz}").plainText(), "\xC3\xA9\xC3\xA9z");
}

TEST(RtfReader, FontCharsetSelectsTheCodePage) {
    // \'e0 is a-grave in Windows-1252, Cyrillic a in 1251 and r-acute in 1250.
    const RichDocument doc =
        RtfReader::Read("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fcharset0 Arial;}"
                        "{\\f1\\fcharset204 Arial Cyr;}{\\f2\\fcharset238 Arial CE;}}"
                        "\\f0\\'e0\\f1\\'e0\\f2\\'e0}");
    EXPECT_EQ(doc.plainText(), "\xC3\xA0\xD0\xB0\xC5\x95");
}

TEST(RtfReader, SpecialCharactersAndEscapedSymbols) {
    const RichDocument doc =
        read("\\{x\\}\\\\ \\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote"
             "\\~a\\-b\\_c}");
    EXPECT_EQ(doc.plainText(), "{x}\\ \xE2\x80\x94\xE2\x80\x93\xE2\x80\xA2\xE2\x80\x98\xE2\x80\x99"
                               "\xE2\x80\x9C\xE2\x80\x9D\xC2\xA0"
                               "ab\xE2\x80\x91"
                               "c");
}

TEST(RtfReader, SkipsDestinationsAndUnknownWordsAndStopsAtTheClosingBrace) {
    const RichDocument doc = read("{\\*\\generator Writer;}{\\info{\\title T}{\\author A}}"
                                  "{\\stylesheet{\\s0 Normal;}}"
                                  "{\\*\\unknown {\\nested {\\*\\deeper x}} y}"
                                  "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt shown}}"
                                  "{\\pict\\wmetafile8 0102{}}{\\*\\bkmkstart b}"
                                  "{\\pict\\bin5 }}{{{} after}");
    EXPECT_EQ(doc.plainText(), "shown after");
    EXPECT_EQ(read("\\lang1033\\nosupersub\\kerning2{\\newthing kept}}").plainText(), "kept");
    // Reading stops at the brace that closes the document.
    EXPECT_EQ(read("text\\par\r\n}\r\n]\r\n{\\rtf1 more}").plainText(), "text");
}

TEST(RtfReader, TruncatedInputGivesWhatWasRead) {
    EXPECT_EQ(read("\\b first\\par second {\\i third").plainText(), "first\nsecond third");
    EXPECT_EQ(read("abc\\").plainText(), "abc");
    EXPECT_EQ(read("abc\\'e").plainText(), "abc");
    EXPECT_EQ(read("abc\\u").plainText(), "abc");
    EXPECT_EQ(RtfReader::Read("{\\rtf1{\\fonttbl{\\f0 Ari").paragraphs.size(), 0u);
    EXPECT_EQ(read("x\\bin99999 {}").plainText(), "x");
}

TEST(RtfReader, DeepNestingIsFlattened) {
    const std::string deep = std::string(100000, '{') + "\\b deep" + std::string(100000, '}');
    EXPECT_EQ(Paragraphs(read(deep + " tail}")), Lines{"deep{Arial 24 B}| tail{Arial 24}"});
}

TEST(RtfReader, HugeNumbersAreClamped) {
    const RichDocument doc = read("\\pard\\li99999999999999999999\\fi-99999999999\\fs99999999"
                                  "\\cf99999999999\\uc99999999999\\u99999999999 x\\par}");
    ASSERT_EQ(doc.paragraphs.size(), 1u);
    EXPECT_EQ(doc.paragraphs[0].format->leftIndentTwips, 31680);
    EXPECT_EQ(doc.paragraphs[0].format->firstLineIndentTwips, -31680);
    EXPECT_EQ(Paragraphs(doc), Lines{"\xEF\xBF\xBD{Arial 3276}"});
}

TEST(RtfReader, TabStopsPerParagraphAreBounded) {
    std::string body = "\\pard";
    for (int i = 0; i < 1000; ++i)
        body += "\\tx" + std::to_string(i);
    const RichDocument doc = read(body + " x\\par}");
    EXPECT_EQ(doc.paragraphs.at(0).format->tabStops->size(), kMaxTabStops);
}

TEST(RtfReader, ParagraphsShareTheirFormatsSoALongDocumentStaysSmall) {
    // 64 tab stops and many short paragraphs: the formats are held once and the
    // document's storage stays a small multiple of the source.
    std::string source = "{\\rtf1\\pard";
    for (int i = 1; i <= 64; ++i)
        source += "\\tx" + std::to_string(i * 100);
    for (int i = 0; i < 50000; ++i)
        source += " x\\par";
    source += "}";
    const RichDocument doc = RtfReader::Read(source);
    ASSERT_EQ(doc.paragraphs.size(), 50000u);
    EXPECT_EQ(doc.paragraphs.back().format->tabStops->size(), 64u);

    std::set<const ParagraphFormat*> paragraphFormats;
    std::set<const CharFormat*> charFormats;
    std::size_t storage = 0;
    for (const Paragraph& paragraph : doc.paragraphs) {
        storage += sizeof(Paragraph) + paragraph.runs.capacity() * sizeof(TextRun);
        if (paragraphFormats.insert(&*paragraph.format).second)
            storage +=
                sizeof(ParagraphFormat) + paragraph.format->tabStops->capacity() * sizeof(TabStop);
        for (const TextRun& run : paragraph.runs) {
            if (charFormats.insert(&*run.format).second)
                storage += sizeof(CharFormat) + run.format->fontFace.capacity();
        }
    }
    EXPECT_EQ(paragraphFormats.size(), 1u);
    EXPECT_EQ(charFormats.size(), 1u);
    EXPECT_LE(storage, 20 * source.size());
}

TEST(RtfReader, PlainTextIsReadAsParagraphs) {
    EXPECT_FALSE(RtfReader::LooksLikeRtf("{\\rt"));
    EXPECT_TRUE(RtfReader::LooksLikeRtf(" \r\n{\\rtf1}"));
    const RichDocument doc = RtfReader::Read("first\r\n\r\nthird\nfourth\rfifth\r\n");
    ASSERT_EQ(doc.paragraphs.size(), 5u);
    EXPECT_EQ(doc.plainText(), "first\n\nthird\nfourth\nfifth");
    EXPECT_EQ(doc.paragraphs[0].runs.at(0).format, CharFormat{});
}

TEST(RtfReader, PlainTextIsUtf8WhenItIsValidElseWindows1252) {
    const std::pair<const char*, const char*> cases[] = {
        {"caf\xE9", "caf\xC3\xA9"},
        {"caf\xC3\xA9", "caf\xC3\xA9"},
        {"\xEF\xBB\xBFx\xC3\xA9", "x\xC3\xA9"},
        {"\xEF\xBB\xBFx\xE9", "x\xC3\xA9"},
        // An overlong slash and an encoded surrogate are not UTF-8.
        {"a\xC0\xAF", "a\xC3\x80\xC2\xAF"},
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(RtfReader::Read(bytes).plainText(), text) << bytes;
    EXPECT_TRUE(
        RtfReader::Read("\xEF\xBB\xBF{\\rtf1 \\b x}").paragraphs.at(0).runs.at(0).format->bold);
}
