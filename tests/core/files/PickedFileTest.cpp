#include <gtest/gtest.h>

#include <filesystem>

#include "core/files/FileIO.h"
#include "core/files/PickedFile.h"
#include "tests/core/QuizFolders.h"

namespace tavrin {
namespace {

namespace fs = std::filesystem;

class PickedFileTest : public ::testing::Test {
protected:
    QuizFolders folders;
    const fs::path& quiz_ = folders.quiz;
    const fs::path& elsewhere_ = folders.other;
};

TEST_F(PickedFileTest, PresetDropsMissingFilesAndTakesTheFirstMaskThatMatches) {
    WriteFileAtomically(quiz_ / "back.bmp", "b");
    EXPECT_EQ(PresetPickerFile(quiz_, "gone.jpg", {"*.jpg", "*.bmp"}), "back.bmp");
    WriteFileAtomically(quiz_ / "Photo.JPG", "j");
    EXPECT_EQ(PresetPickerFile(quiz_, "", {"*.jpg", "*.bmp"}), "Photo.JPG");
    EXPECT_EQ(PresetPickerFile(quiz_, "BACK.BMP", {"*.jpg"}), "BACK.BMP") << "case ignored";
    EXPECT_EQ(PresetPickerFile(quiz_, "", {"*.wav"}), "");
}

TEST_F(PickedFileTest, YesCopiesTheFileAndTakesItsStoredName) {
    WriteFileAtomically(elsewhere_ / "ol\xC3\xA9.wav", "sound"); // "olé.wav" on disk
    EXPECT_EQ(TakeFoundFile(quiz_, elsewhere_ / "ol\xC3\xA9.wav", true, "", {"*.wav"}),
              "ol\xE9.wav");
    EXPECT_EQ(ReadFileText(quiz_ / "ol\xC3\xA9.wav"), "sound");
    EXPECT_EQ(PresetPickerFile(quiz_, "OL\xC9.WAV", {"*.jpg"}), "OL\xC9.WAV");
    EXPECT_EQ(PresetPickerFile(quiz_, "", {"*.wav"}), "ol\xE9.wav");

    WriteFileAtomically(elsewhere_ / "\xCE\xA9.wav", "omega"); // "Ω.wav": no stored form
    EXPECT_EQ(TakeFoundFile(quiz_, elsewhere_ / "\xCE\xA9.wav", true, "", {"*.jpg"}), "");
    EXPECT_FALSE(fs::exists(quiz_ / "\xCE\xA9.wav"));
}

TEST_F(PickedFileTest, YesNeverOverwritesAFileOfTheSameName) {
    WriteFileAtomically(elsewhere_ / "sun.jpg", "new");
    WriteFileAtomically(quiz_ / "SUN.JPG", "old");
    EXPECT_EQ(TakeFoundFile(quiz_, elsewhere_ / "sun.jpg", true, "x.jpg", {"*.jpg"}), "SUN.JPG");
    EXPECT_EQ(ReadFileText(quiz_ / "SUN.JPG"), "old");
    EXPECT_FALSE(fs::exists(quiz_ / "sun.jpg") &&
                 !fs::equivalent(quiz_ / "sun.jpg", quiz_ / "SUN.JPG"));
}

TEST_F(PickedFileTest, NoKeepsTheNameBoxOrPresetsAnEmptyOne) {
    WriteFileAtomically(elsewhere_ / "sun.jpg", "new");
    EXPECT_EQ(TakeFoundFile(quiz_, elsewhere_ / "sun.jpg", false, "mine.jpg", {"*.jpg"}),
              "mine.jpg");
    EXPECT_FALSE(fs::exists(quiz_ / "sun.jpg"));
    WriteFileAtomically(quiz_ / "a.bmp", "a");
    EXPECT_EQ(TakeFoundFile(quiz_, elsewhere_ / "sun.jpg", false, "", {"*.jpg", "*.bmp"}), "a.bmp");
}

} // namespace
} // namespace tavrin
