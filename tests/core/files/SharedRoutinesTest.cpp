#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sys/stat.h>

#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"
#include "core/files/SharedRoutines.h"
#include "core/settings/FontSpec.h"
#include "tests/core/TempFolder.h"

namespace tavrin {
namespace {
namespace fs = std::filesystem;

TEST(QuizBaseName, DropsFolderAndOnlyTheLastExtension) {
    EXPECT_EQ(QuizBaseName("C:\\QUIZ\\MY.TEST.QAJ"), "MY.TEST");
    EXPECT_EQ(QuizBaseName("/home/a/quiz/Capitals.TIJ"), "Capitals");
    EXPECT_EQ(QuizBaseName("A:NOEXT"), "NOEXT");
    EXPECT_EQ(ReplaceExtension("/q.d/QUIZ.TIJ", ".TIQ"), "/q.d/QUIZ.TIQ");
    EXPECT_EQ(ReplaceExtension("/q.d/QUIZ", ".TIQ"), "/q.d/QUIZ.TIQ");
}

TEST(IsValidFileName, AcceptsAndRefusesTheDocumentedCharacters) {
    for (const char* ok : {"QUIZ 1.BMP", "sub\\pic.bmp", "", "a-b_c.d", "naïve"})
        EXPECT_TRUE(IsValidFileName(ok)) << ok;
    for (const char* bad :
         {"a,b", "what?", "\"q\"", "a*", "a+b", "a/b", "c:x", "a;b", "<", "=", ">", "[x]", "a|b"})
        EXPECT_FALSE(IsValidFileName(bad)) << bad;
}

TEST(ParseWholeNumber, ReadsDecimalAndDollarHexStrictly) {
    EXPECT_EQ(ParseWholeNumber("42"), 42);
    EXPECT_EQ(ParseWholeNumber("  -7"), -7);
    EXPECT_EQ(ParseWholeNumber("+3"), 3);
    EXPECT_EQ(ParseWholeNumber("$FF"), 255);
    EXPECT_EQ(ParseWholeNumber("$00C0C0C0"), 0xC0C0C0);
    // System colour codes use the high bit: the full 32 bits wrap to negative.
    EXPECT_EQ(ParseWholeNumber("$80000005"), static_cast<std::int32_t>(0x80000005u));
    EXPECT_EQ(ParseWholeNumber("2147483647"), 2147483647);
    EXPECT_EQ(ParseWholeNumber("-2147483648"), INT32_MIN);
    for (const char* bad :
         {"", " ", "-", "$", "12a", "1 ", "2147483648", "$100000000", "1.5", "0x"})
        EXPECT_FALSE(IsWholeNumber(bad)) << bad;
}

TEST(FontText, FaceNameKeepsItsSpacesAndMalformedTextLeavesTheFontAlone) {
    FontSpec font;
    ASSERT_TRUE(TextToFont("12 255 1 Times New Roman", font));
    EXPECT_EQ(font, (FontSpec{12, 255, FontSpec::kBold, "Times New Roman"}));
    EXPECT_EQ(FontToText(font), "12 255 1 Times New Roman");
    EXPECT_FALSE(TextToFont("12 red 1 Arial", font));
    EXPECT_FALSE(TextToFont("", font));
    EXPECT_EQ(font.name, "Times New Roman");
}

class FileRoutines : public ::testing::Test {
protected:
    TempFolder temp;
    fs::path file(const std::string& name, const std::string& content) {
        const auto path = temp.path() / name;
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }
};

TEST_F(FileRoutines, AppendFileToAddsTheWholeSource) {
    const auto source = file("PART", std::string(9000, 'p'));
    const auto target = temp.path() / "OUT";
    {
        AtomicFileWriter out(target);
        out.write("head");
        EXPECT_EQ(AppendFileTo(source, out), kCopied);
        EXPECT_EQ(AppendFileTo(temp.path() / "MISSING", out), kCopySourceUnreadable);
        out.commit();
    }
    EXPECT_EQ(ReadFileText(target), "head" + std::string(9000, 'p'));
}

// The kernel copies between descriptors; the streams on both sides must stay
// where the bytes ended, or a later read or write lands in the wrong place.
TEST_F(FileRoutines, AppendFromKeepsBothStreamsInStep) {
    const auto source = file("SRC", "0123456789abcdefghij");
    const auto target = temp.path() / "OUT";
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(source.c_str(), "rb"),
                                                       &std::fclose);
    {
        AtomicFileWriter out(target);
        out.write("<");
        EXPECT_EQ(out.appendFrom(in.get(), 4), 4u); // "0123" from a fresh stream
        out.write("|");
        EXPECT_EQ(std::fgetc(in.get()), '4');       // the source resumes after the copy
        EXPECT_EQ(out.appendFrom(in.get(), 3), 3u); // "567" after read-ahead
        EXPECT_EQ(out.appendFrom(in.get()), 12u);   // the rest, to the end
        out.write(">");
        out.commit();
    }
    EXPECT_EQ(ReadFileText(target), "<0123|567"
                                    "89abcdefghij"
                                    ">");
}

// Room set aside beyond what is written must not stay with the file: the
// disk would lose it for as long as the file lives.
TEST_F(FileRoutines, RoomSetAsideAndNotUsedIsGivenBack) {
    const auto target = temp.path() / "OUT";
    constexpr std::uint64_t kSetAside = 4 * 1024 * 1024;
    {
        AtomicFileWriter out(target);
        out.reserve(kSetAside);
        out.write("twelve bytes");
        out.commit();
    }
    EXPECT_EQ(ReadFileText(target), "twelve bytes");
    struct stat written {};
    ASSERT_EQ(::stat(target.c_str(), &written), 0);
    EXPECT_LT(static_cast<std::uint64_t>(written.st_blocks) * 512, kSetAside / 4);
}

TEST_F(FileRoutines, CopyFileIntoAFolderOrAName) {
    const auto source = file("PIC.BMP", "BM..");
    fs::create_directory(temp.path() / "dist");
    CopyFileInto(source, temp.path() / "dist");
    EXPECT_EQ(ReadFileText(temp.path() / "dist" / "PIC.BMP"), "BM..");
    CopyFileInto(source, temp.path() / "COPY.BMP");
    EXPECT_EQ(ReadFileText(temp.path() / "COPY.BMP"), "BM..");
    // A copy onto the file itself leaves it; a program stays a program.
    CopyFileInto(source, temp.path());
    EXPECT_EQ(ReadFileText(source), "BM..");
    const auto program = file("RUN.EXE", "MZ");
    fs::permissions(program, fs::perms::owner_exec, fs::perm_options::add);
    CopyFileInto(program, temp.path() / "dist");
    EXPECT_NE(fs::status(temp.path() / "dist" / "RUN.EXE").permissions() & fs::perms::owner_exec,
              fs::perms::none);

    try {
        CopyFileInto(temp.path() / "GONE.BMP", temp.path() / "dist");
        FAIL() << "a missing source must raise a file error";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("GONE.BMP"), std::string::npos);
    }
}

} // namespace
} // namespace tavrin
