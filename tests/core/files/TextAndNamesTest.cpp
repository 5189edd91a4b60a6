#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/bytes/Cp1252.h"
#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"
#include "core/files/FolderNames.h"
#include "core/files/SharedRoutines.h"
#include "core/files/TextLines.h"
#include "tests/core/TempFolder.h"

namespace tavrin {
namespace {
namespace fs = std::filesystem;

TEST(Cp1252, ConvertsBothWaysAndMarksTheUnstorable) {
    // e-acute (E9), euro (80), left double quote (93), plain ASCII.
    const std::string stored = "caf\xE9 \x80 \x93q";
    const std::string utf8 = "caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cq";
    EXPECT_EQ(cp1252::toUtf8(stored), utf8);
    EXPECT_EQ(cp1252::fromUtf8(utf8), stored);
    // A Cyrillic letter has no single-byte form; a broken sequence is not text.
    EXPECT_EQ(cp1252::fromUtf8("\xD0\x96!"), "?!");
    EXPECT_EQ(cp1252::fromUtf8("a\xC3"), "a?");
    EXPECT_EQ(cp1252::fromUtf8("\xF0\x9F\x98\x80"), "?");
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(cp1252::fromUtf8(cp1252::toUtf8(all)), all) << "every byte survives a round trip";
}

TEST(TextLines, ReadsBothLineEndsAndWritesCrLf) {
    EXPECT_EQ(SplitLines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(SplitLines(""), std::vector<std::string>{});
    // A lone CR inside a line is content, not a line end.
    EXPECT_EQ(SplitLines("x\ry\n"), std::vector<std::string>{"x\ry"});
    EXPECT_EQ(JoinLinesCrLf({"[A]", "", "b"}), "[A]\r\n\r\nb\r\n");
}

TEST(AtomicRewrite, AFailedStepLeavesTheOldFileAndErrorsNameIt) {
    TempFolder temp;
    const auto path = temp.path() / "QUIZ.TIR";
    WriteFileAtomically(path, std::string("old"));
    for (const char* failing : {"write", "flush", "rename"}) {
        SetFileFaultHook(
            [failing](std::string_view step, const fs::path&) { return step != failing; });
        EXPECT_THROW(WriteFileAtomically(path, std::string("new")), FileError) << failing;
        SetFileFaultHook(nullptr);
        EXPECT_EQ(ReadFileText(path), "old") << failing;
    }
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.path()), fs::directory_iterator()), 1);
    WriteFileAtomically(path, std::string("new"));
    EXPECT_EQ(ReadFileText(path), "new");
    try {
        ReadFileBytes(temp.path() / "ABSENT.QAJ");
        FAIL();
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("ABSENT.QAJ"), std::string::npos);
    }
}

TEST(FolderNames, StoredNamesAreWindows1252AndNamesOnDiskUtf8) {
    TempFolder temp;
    fs::create_directories(temp.path() / "Caf\xC3\xA9");                  // "Café"
    std::ofstream(temp.path() / "Caf\xC3\xA9" / "ol\xC3\xA9.wav") << "x"; // "olé.wav"
    std::ofstream(temp.path() / "\xC5\x93uvre.bmp") << "x";               // "œuvre.bmp"
    std::ofstream(temp.path() / "\xCE\xA9.wav") << "x"; // "Ω.wav": no stored form

    const fs::path olé = temp.path() / "Caf\xC3\xA9" / "ol\xC3\xA9.wav";
    EXPECT_EQ(ResolveStoredFile(temp.path(), "Caf\xE9\\ol\xE9.wav"), olé);
    EXPECT_EQ(ResolveStoredFile(temp.path(), "CAF\xC9/OL\xC9.WAV"), olé); // É is é's capital
    EXPECT_EQ(ResolveStoredFile(temp.path(), "\x8CUVRE.BMP"), temp.path() / "\xC5\x93uvre.bmp");
    EXPECT_FALSE(ResolveStoredFile(temp.path(), "Caf\xC3\xA9/ol\xC3\xA9.wav"))
        << "not stored bytes";
    EXPECT_FALSE(ResolveStoredFile(temp.path(), "?.wav"));
    EXPECT_FALSE(ResolveStoredFile(temp.path(), ""));

    EXPECT_EQ(ListStoredMatching(temp.path(), "*.*"),
              (std::vector<std::string>{"Caf\xE9", "\x9Cuvre.bmp"}));
    std::string found;
    ASSERT_TRUE(FindInQuizFolder(temp.path(), "caf\xE9\\*.WAV", found));
    EXPECT_EQ(found, "ol\xE9.wav");

    EXPECT_EQ(StoredName("ol\xC3\xA9 \xE2\x82\xAC.wav"), "ol\xE9 \x80.wav"); // "olé €.wav"
    EXPECT_EQ(StoredName("\xCE\xA9.wav"), std::nullopt);
    EXPECT_EQ(StoredName("bad\xC3"), std::nullopt);
    EXPECT_EQ(DiskName("ol\xE9 \x80.wav"), "ol\xC3\xA9 \xE2\x82\xAC.wav");
}

TEST(FolderNames, MasksMatchWithoutRegardToCase) {
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"pic.jpg", "*.JPG", true}, {"QUIZ.QAJ", "*.qaj", true},  {"a", "*.*", true},
        {"ab.c", "?b.*", true},     {"pic.jpeg", "*.JPG", false}, {"xpic.jpg", "p*.jpg", false}};
    for (const auto& [name, mask, matches] : cases)
        EXPECT_EQ(MatchesMask(name, mask), matches) << name << " " << mask;
    EXPECT_EQ(SplitStoredPath("C:\\QUIZ\\A.BMP"), (std::vector<std::string>{"QUIZ", "A.BMP"}));
}

} // namespace
} // namespace tavrin
