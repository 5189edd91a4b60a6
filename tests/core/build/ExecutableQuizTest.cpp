#include <gtest/gtest.h>

#include <filesystem>

#include "core/build/ExecutableQuiz.h"
#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"
#include "tests/core/CompiledQuizFixtures.h"

namespace tavrin {
namespace {

using testing::Append;
using testing::Bytes;
using testing::PutLe;
using testing::TinyElfStub;
namespace fs = std::filesystem;

Bytes OneQuestionMcQuiz() {
    Bytes data = testing::SampleSettings();
    Append(data, {0x03, 0x00, 0x00, 0x00}); // kind: MC
    Append(data, {0x00, 0x00, 0x00, 0x00}); // no topics
    Append(data, {0x6E, 0x13, 0x00, 0x00}); // questionOffset: 4974
    Append(data, {0x01, 0x00, 0x00, 0x00}); // one question
    Append(data, testing::SampleRecord(1367, "MC1"));
    return data;
}

TEST(StubImageLength, MeasuresAHandWrittenElfImageAndARealProgram) {
    const Bytes elf = TinyElfStub();
    EXPECT_EQ(StubImageLength(elf), 432u);
    Bytes withTail = elf;
    withTail.resize(5000, 0x55);
    EXPECT_EQ(StubImageLength(withTail), 432u);
    // This test program was written by the linker: its image is the whole file.
    const auto self = ReadFileBytes("/proc/self/exe");
    EXPECT_EQ(StubImageLength(self), self.size());
}

TEST(StubImageLength, RefusesWhatIsNotAnIntactElfImage) {
    EXPECT_THROW(StubImageLength(Bytes{}), FormatError);
    EXPECT_THROW(StubImageLength(Bytes{'M', 'Z', 0x90, 0x00}), FormatError);

    Bytes bigEndian = TinyElfStub();
    bigEndian[5] = 2;
    EXPECT_THROW(StubImageLength(bigEndian), FormatError);

    // The section header table cut off by the end of the file.
    const Bytes elf = TinyElfStub();
    EXPECT_THROW(StubImageLength(Bytes(elf.begin(), elf.begin() + 400)), FormatError);

    Bytes sectionOutside = TinyElfStub();
    PutLe(sectionOutside, 304 + 24, 0xFFFFFFFFFFFFFF00ull, 8); // offset + size overflows
    EXPECT_THROW(StubImageLength(sectionOutside), FormatError);

    Bytes manySections = TinyElfStub();
    PutLe(manySections, 0x3C, 0xFFFF, 2);
    EXPECT_THROW(StubImageLength(manySections), FormatError);

    Bytes segmentOutside = TinyElfStub();
    PutLe(segmentOutside, 64 + 32, 433, 8);
    EXPECT_THROW(StubImageLength(segmentOutside), FormatError);
}

TEST(AppendedQuiz, IsFoundRightAfterTheStub) {
    Bytes executable = TinyElfStub();
    Append(executable, OneQuestionMcQuiz());
    const auto quiz = LocateAppendedQuiz(executable, StubImageLength(executable));
    EXPECT_EQ(quiz.kind(), QuizKind::MC);
    EXPECT_EQ(quiz.questionRecord(0)[2], 'M');

    EXPECT_THROW(LocateAppendedQuiz(TinyElfStub(), 432), FormatError);
    EXPECT_THROW(LocateAppendedQuiz(executable, executable.size() + 10), FormatError);
    // One byte off: the directory no longer lines up.
    EXPECT_THROW(LocateAppendedQuiz(executable, 431), FormatError);
}

TEST(WriteExecutableQuiz, WritesStubThenQuizAndMarksItRunnable) {
    TempFolder folder;
    WriteFileAtomically(folder / "dravlen.bin", TinyElfStub());
    WriteFileAtomically(folder / "QUIZ.MCC", OneQuestionMcQuiz());

    WriteExecutableQuiz(folder / "dravlen.bin", folder / "QUIZ.MCC", folder / "QUIZ.EXE");
    Bytes expected = TinyElfStub();
    Append(expected, OneQuestionMcQuiz());
    EXPECT_EQ(ReadFileBytes(folder / "QUIZ.EXE"), expected);
    const auto perms = fs::status(folder / "QUIZ.EXE").permissions();
    EXPECT_NE(perms & fs::perms::owner_exec, fs::perms::none);
    EXPECT_EQ(ReadAppendedQuiz(folder / "QUIZ.EXE").questionCount(), 1u);

    // Building again gives the same file, not a second quiz appended.
    WriteExecutableQuiz(folder / "dravlen.bin", folder / "QUIZ.MCC", folder / "QUIZ.EXE");
    EXPECT_EQ(ReadFileBytes(folder / "QUIZ.EXE"), expected);
}

TEST(WriteExecutableQuiz, RefusesAStubThatAlreadyCarriesAQuizAndKeepsTheOldFile) {
    TempFolder folder;
    Bytes builtQuiz = TinyElfStub();
    Append(builtQuiz, OneQuestionMcQuiz());
    WriteFileAtomically(folder / "dravlen.bin", builtQuiz);
    WriteFileAtomically(folder / "QUIZ.MCC", OneQuestionMcQuiz());
    WriteFileAtomically(folder / "QUIZ.EXE", Bytes{1, 2, 3});

    EXPECT_THROW(
        WriteExecutableQuiz(folder / "dravlen.bin", folder / "QUIZ.MCC", folder / "QUIZ.EXE"),
        FileError);
    // A compiled quiz that cannot be read is an error, not a stub alone.
    WriteFileAtomically(folder / "dravlen.bin", TinyElfStub());
    EXPECT_THROW(
        WriteExecutableQuiz(folder / "dravlen.bin", folder / "MISSING.MCC", folder / "QUIZ.EXE"),
        FileError);
    EXPECT_EQ(ReadFileBytes(folder / "QUIZ.EXE"), (Bytes{1, 2, 3}));
}

} // namespace
} // namespace tavrin
