#include "core/files/FileIO.h"
#include "core/rtf/RtfReader.h"
#include "core/rtf/RtfWriter.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/core/rtf/RtfRuns.h"

using namespace tavrin;
using tavrin::testing::Paragraphs;

namespace {

using Lines = std::vector<std::string>;

// Files saved by a word processor; tests/data/rtf/README.md says how they were made.
RichDocument readFixture(const char* name) {
    const auto folder = std::filesystem::path(TAVRIN_SOURCE_DIR) / "tests" / "data" / "rtf";
    return RtfReader::Read(ReadFileText(folder / name));
}

} // namespace

TEST(RtfWordProcessor, FormattedAndPlainDocuments) {
    const RichDocument doc = readFixture("formatted.rtf");
    EXPECT_EQ(
        Paragraphs(doc),
        (Lines{"Plain {Arial 24}|bold{Arial 24 B}| {Arial 24}|italic{Arial 24 I}| {Arial 24}|"
               "under{Arial 24 U}| {Arial 24}|struck{Arial 24 S}",
               "Red centred{Arial 36 c0000ff}", "Blue right{Times New Roman 20 cff0000}",
               "Caf\xC3\xA9 \xE2\x82\xAC"
               "5 \xE2\x80\x93 \xE2\x80\x9Cquoted\xE2\x80\x9D \xE2\x84\x96 \xCE\xA9mega{Arial 24}",
               "highlighted{Arial 24 h00ffff}"}));
    EXPECT_EQ(doc.paragraphs[1].format->alignment, ParagraphAlignment::Center);
    EXPECT_EQ(doc.paragraphs[2].format->alignment, ParagraphAlignment::Right);

    EXPECT_EQ(
        Paragraphs(readFixture("plain.rtf")),
        (Lines{"First line{DejaVu Sans Mono 20}", "Second line caf\xC3\xA9{DejaVu Sans Mono 20}"}));
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
