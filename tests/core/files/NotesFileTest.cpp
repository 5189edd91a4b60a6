#include <gtest/gtest.h>

#include <filesystem>

#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"
#include "core/files/NotesFile.h"
#include "tests/core/TempFolder.h"

namespace tavrin {
namespace {

using Lines = std::vector<std::string>;

TEST(NotesFile, DecodesByContentAndKeepsWhatWindows1252CannotHold) {
    const struct {
        const char* bytes;
        Lines lines;
        NotesEncoding encoding;
    } cases[] = {
        {"caf\xE9\r\nok", {"caf\xC3\xA9", "ok"}, NotesEncoding::Windows1252},
        {"caf\xC3\xA9\n", {"caf\xC3\xA9"}, NotesEncoding::Utf8},
        {"\xEF\xBB\xBFplain", {"plain"}, NotesEncoding::Utf8},
        {"plain\r\n\r\n", {"plain", ""}, NotesEncoding::Windows1252},
    };
    for (const auto& c : cases) {
        const NotesText text = DecodeNotes(c.bytes);
        EXPECT_EQ(text.lines, c.lines) << c.bytes;
        EXPECT_EQ(text.encoding, c.encoding) << c.bytes;
    }
    EXPECT_EQ(EncodeNotes({"caf\xC3\xA9", ""}, NotesEncoding::Windows1252), "caf\xE9\r\n\r\n");
    EXPECT_EQ(EncodeNotes({"caf\xC3\xA9"}, NotesEncoding::Utf8), "caf\xC3\xA9\r\n");
    // A Cyrillic letter would become '?' in Windows-1252: the file turns UTF-8.
    EXPECT_EQ(EncodeNotes({"\xD0\x96 \xC3\xA9"}, NotesEncoding::Windows1252),
              "\xD0\x96 \xC3\xA9\r\n");
}

TEST(NotesFile, RefusesBinaryAndOversizedFilesByName) {
    TempFolder folder;
    WriteFileAtomically(folder / "tool.exe", std::string("MZ\0\x01", 4));
    const auto big = folder / "big.txt";
    WriteFileAtomically(big, std::string("x"));
    std::filesystem::resize_file(big, kMaxNotesFileSize + 1);
    for (const auto& [file, reason] : {std::pair{folder / "tool.exe", "not a text file"},
                                       std::pair{big, "too large"}, std::pair{folder.path(), ""}}) {
        try {
            ReadNotesFile(file);
            ADD_FAILURE() << file << " was read";
        } catch (const FileError& error) {
            EXPECT_EQ(error.path(), file);
            EXPECT_NE(error.reason().find(reason), std::string::npos) << error.what();
        }
    }
}

} // namespace
} // namespace tavrin
