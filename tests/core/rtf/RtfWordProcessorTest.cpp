#include "core/files/FileIO.h"
#include "core/rtf/RtfReader.h"
#include "core/rtf/RtfWriter.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tavrin;

namespace {

// Files saved by a word processor; tests/data/rtf/README.md says how they were made.
RichDocument readFixture(const char* name) {
    const auto folder =
        std::filesystem::path(TAVRIN_SOURCE_DIR) / "tests" / "data" / "rtf";
    return RtfReader::Read(ReadFileText(folder / name));
}

} // namespace

TEST(RtfWordProcessor, FormattedAndPlainDocuments) {
    const RichDocument doc = readFixture("formatted.rtf");
    ASSERT_EQ(doc.paragraphs.size(), 5u);
    EXPECT_EQ(doc.plainText(), "Plain bold italic under struck\n"
                               "Red centred\n"
                               "Blue right\n"
                               "Caf\xC3\xA9 \xE2\x82\xAC"
                               "5 \xE2\x80\x93 \xE2\x80\x9Cquoted\xE2\x80\x9D \xE2\x84\x96 "
                               "\xCE\xA9mega\n"
                               "highlighted");

    // Each character format as the word processor writes it.
    const auto& first = doc.paragraphs[0].runs;
    ASSERT_EQ(first.size(), 8u);
    EXPECT_EQ(first[0].format->fontFace, "Arial");
    EXPECT_EQ(first[0].format->sizeHalfPoints, 24);
    EXPECT_TRUE(first[1].format->bold && first[3].format->italic && first[5].format->underline &&
                first[7].format->strikeOut);
    EXPECT_FALSE(first[0].format->bold || first[2].format->bold);

    EXPECT_EQ(doc.paragraphs[1].format->alignment, ParagraphAlignment::Center);
    const CharFormat& red = *doc.paragraphs[1].runs.at(0).format;
    EXPECT_EQ(red.colour, 0x0000FFu);
    EXPECT_EQ(red.sizeHalfPoints, 36);

    EXPECT_EQ(doc.paragraphs[2].format->alignment, ParagraphAlignment::Right);
    const CharFormat& blue = *doc.paragraphs[2].runs.at(0).format;
    EXPECT_EQ(blue.colour, 0xFF0000u);
    EXPECT_EQ(blue.fontFace, "Times New Roman");
    EXPECT_EQ(blue.sizeHalfPoints, 20);

    EXPECT_EQ(doc.paragraphs[4].runs.at(0).format->background, 0x00FFFFu);

    const RichDocument plain = readFixture("plain.rtf");
    ASSERT_EQ(plain.paragraphs.size(), 2u);
    EXPECT_EQ(plain.plainText(), "First line\nSecond line caf\xC3\xA9");
    EXPECT_EQ(plain.paragraphs[0].runs.at(0).format->fontFace, "DejaVu Sans Mono");
    EXPECT_EQ(plain.paragraphs[0].runs.at(0).format->sizeHalfPoints, 20);
}

TEST(RtfWordProcessor, OurOutputResavedByAWordProcessorKeepsItsFormatting) {
    const RichDocument ours = readFixture("written.rtf");
    const RichDocument resaved = readFixture("written-resaved.rtf");
    EXPECT_EQ(resaved, ours);
    // The fixture is still what our writer produces for that document.
    EXPECT_EQ(RtfReader::Read(RtfWriter::Write(ours)), ours);
    ASSERT_EQ(ours.paragraphs.size(), 2u);
    EXPECT_EQ(ours.paragraphs[1].format->leftIndentTwips, 720);
    EXPECT_EQ(ours.paragraphs[0].runs.at(1).format->background, 0x00FFFFu);
}
