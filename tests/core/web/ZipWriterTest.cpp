#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>
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

TEST(ZipWriter, OneStoredEntryIsWrittenByteForByte) {
    TempFolder folder;
    ZipWriter zip(folder / "t.zip");
    zip.add("a.txt", BytesOf("hi"));
    zip.finish();

    // Little-endian fields of one width, and the names as text.
    Bytes expected;
    const auto le = [&](int width, std::initializer_list<std::uint32_t> values) {
        for (const std::uint32_t value : values)
            testing::PutLe(expected, expected.size(), value, width);
    };
    const auto text = [&](const std::string& t) {
        expected.insert(expected.end(), t.begin(), t.end());
    };
    // Shared by both headers: version 1.0 needed, UTF-8 names, stored, dated 1980-01-01,
    // CRC-32 of "hi", sizes 2 and 2, a name of 5, no extra field.
    const auto entry = [&] {
        le(2, {10, 0x0800, 0, 0, 0x21});
        le(4, {0xD8932AAC, 2, 2});
        le(2, {5, 0});
    };
    le(4, {0x04034B50}); // local header
    entry();
    text("a.txthi");
    le(4, {0x02014B50}); // central directory header at 37, made by 1.0
    le(2, {10});
    entry();
    le(2, {0, 0, 0}); // no comment, disk 0, internal attributes
    le(4, {0, 0});    // external attributes, local header at 0
    text("a.txt");
    le(4, {0x06054B50}); // end of central directory: 1 entry, 51 bytes at 37
    le(2, {0, 0, 1, 1});
    le(4, {51, 37});
    le(2, {0});
    ASSERT_EQ(expected.size(), 110u);
    EXPECT_EQ(ReadFileBytes(folder / "t.zip"), expected);
}

// A file read in many blocks, or an entry written in pieces, gives the bytes
// of the same entry added whole: one CRC and size over all of it.
TEST(ZipWriter, EntriesStreamedInPiecesMatchTheWholeEntry) {
    TempFolder folder;
    std::string content(700 * 1024, '\0');
    for (std::size_t i = 0; i < content.size(); ++i)
        content[i] = static_cast<char>((i * 7919) >> 5);
    WriteFileAtomically(folder / "big.bin", content);
    {
        ZipWriter whole(folder / "whole.zip");
        whole.add("a", BytesOf(content));
        whole.add("b", BytesOf(content));
        whole.finish();
        ZipWriter streamed(folder / "streamed.zip");
        streamed.addFile("a", folder / "big.bin");
        streamed.beginEntry("b");
        for (std::size_t at = 0; at < content.size(); at += 100000)
            streamed.append(std::string_view(content).substr(at, 100000));
        streamed.endEntry();
        streamed.finish();
    }
    EXPECT_EQ(ReadFileBytes(folder / "streamed.zip"), ReadFileBytes(folder / "whole.zip"));
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
