#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "core/files/FileIO.h"
#include "core/web/ZipWriter.h"
#include "tests/core/CompiledQuizFixtures.h"

namespace tavrin {
namespace {

using testing::Bytes;

std::span<const std::uint8_t> BytesOf(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(ZipWriter, Crc32MatchesTheStandardCheckValues) {
    EXPECT_EQ(ZipWriter::Crc32(BytesOf("123456789")), 0xCBF43926u);
    EXPECT_EQ(ZipWriter::Crc32(BytesOf("")), 0u);
}

TEST(ZipWriter, OneStoredEntryIsWrittenByteForByte) {
    TempFolder folder;
    ZipWriter zip(folder / "t.zip");
    zip.add("a.txt", BytesOf("hi"));
    zip.finish();

    // CRC-32 of "hi" is 0xD8932AAC.
    const Bytes expected = {
        // local header
        0x50,
        0x4B,
        0x03,
        0x04,
        0x0A,
        0x00,
        0x00,
        0x08,
        0x00,
        0x00,
        0x00,
        0x00,
        0x21,
        0x00,
        0xAC,
        0x2A,
        0x93,
        0xD8,
        0x02,
        0x00,
        0x00,
        0x00,
        0x02,
        0x00,
        0x00,
        0x00,
        0x05,
        0x00,
        0x00,
        0x00,
        'a',
        '.',
        't',
        'x',
        't',
        'h',
        'i',
        // central directory header at 37
        0x50,
        0x4B,
        0x01,
        0x02,
        0x0A,
        0x00,
        0x0A,
        0x00,
        0x00,
        0x08,
        0x00,
        0x00,
        0x00,
        0x00,
        0x21,
        0x00,
        0xAC,
        0x2A,
        0x93,
        0xD8,
        0x02,
        0x00,
        0x00,
        0x00,
        0x02,
        0x00,
        0x00,
        0x00,
        0x05,
        0x00,
        0x00,
        0x00,
        0x00,
        0x00,
        0x00,
        0x00,
        0x00,
        0x00,
        0x00,
        0x00,
        0x00,
        0x00,
        0x00,
        0x00,
        0x00,
        0x00,
        'a',
        '.',
        't',
        'x',
        't',
        // end of central directory: 1 entry, 51 bytes at 37
        0x50,
        0x4B,
        0x05,
        0x06,
        0x00,
        0x00,
        0x00,
        0x00,
        0x01,
        0x00,
        0x01,
        0x00,
        0x33,
        0x00,
        0x00,
        0x00,
        0x25,
        0x00,
        0x00,
        0x00,
        0x00,
        0x00,
    };
    EXPECT_EQ(ReadFileBytes(folder / "t.zip"), expected);
}

TEST(ZipWriter, AnUnfinishedArchiveLeavesNoFile) {
    TempFolder folder;
    {
        ZipWriter zip(folder / "t.zip");
        zip.add("a.txt", BytesOf("hi"));
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "t.zip"));
}

} // namespace
} // namespace tavrin
