#include "core/rtf/RtfWriter.h"
#include "core/files/TextLines.h"
#include "core/rtf/RtfReader.h"

#include <gtest/gtest.h>

using namespace tavrin;

namespace {

CharFormat format(std::string face, int size) {
    CharFormat f;
    f.fontFace = std::move(face);
    f.sizeHalfPoints = size;
    return f;
}

RichDocument sampleDocument() {
    RichDocument doc;
    Paragraph first;
    ParagraphFormat centred;
    centred.alignment = ParagraphAlignment::Center;
    first.format = centred;
    CharFormat bold = format("Arial", 28);
    bold.bold = true;
    bold.colour = 0x0000FF;
    first.runs.push_back({bold, "Title {with} \\ braces"});
    CharFormat rest = format("Times New Roman", 20);
    rest.italic = rest.underline = rest.strikeOut = true;
    rest.background = 0x00FFFF;
    first.runs.push_back({rest, "caf\xC3\xA9 \xE2\x82\xAC \xE2\x84\x96 \xF0\x9F\x98\x80"});
    doc.paragraphs.push_back(first);

    Paragraph second;
    ParagraphFormat justified;
    justified.alignment = ParagraphAlignment::Justify;
    justified.leftIndentTwips = 720;
    justified.rightIndentTwips = 144;
    justified.firstLineIndentTwips = -360;
    justified.tabStops = std::vector<TabStop>{{1440, TabKind::Left}, {2880, TabKind::Right}};
    second.format = justified;
    second.runs.push_back({format("Arial", 24), "a\tb\nc [x]"});
    doc.paragraphs.push_back(second);

    doc.paragraphs.push_back(Paragraph{}); // an empty last paragraph is kept
    return doc;
}

} // namespace

TEST(RtfWriter, EmptyDocumentsAndFaceNamesReadBack) {
    EXPECT_EQ(RtfReader::Read(RtfWriter::Write(RichDocument{})), RichDocument{});
    RichDocument emptyFace;
    emptyFace.paragraphs.emplace_back();
    emptyFace.paragraphs[0].runs.push_back({format("", 24), "x"});
    EXPECT_EQ(RtfReader::Read(RtfWriter::Write(emptyFace)), emptyFace);
}

TEST(RtfWriter, OutputIsSevenBitAndSafeToStoreLineByLine) {
    const std::string rtf = RtfWriter::Write(sampleDocument());
    EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    for (unsigned char c : rtf)
        EXPECT_LT(c, 0x80);
    // Readers of the topic file treat lines starting with a bracket specially.
    for (const std::string& line : SplitLines(rtf)) {
        ASSERT_FALSE(line.empty());
        EXPECT_TRUE(line[0] == '\\' || line[0] == '{' || line[0] == '}') << line;
    }
    EXPECT_NE(rtf.find("caf\\'e9 \\'80 \\u8470?"), std::string::npos);
    EXPECT_NE(rtf.find("\\u-10179?\\u-8704?"), std::string::npos);
    EXPECT_NE(rtf.find("Title \\{with\\} \\\\ braces"), std::string::npos);
    // Stored as topic lines and followed by the closing bracket, it reads back.
    std::vector<std::string> lines = SplitLines(rtf);
    lines.push_back("]");
    EXPECT_EQ(RtfReader::Read(JoinLinesCrLf(lines)), sampleDocument());
}
