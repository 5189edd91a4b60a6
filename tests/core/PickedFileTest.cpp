#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "core/PickedFile.h"

namespace tavrin {
namespace {

namespace fs = std::filesystem;

class PickedFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("tavrin-pick-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        quiz_ = root_ / "quiz";
        elsewhere_ = root_ / "other";
        fs::create_directories(quiz_);
        fs::create_directories(elsewhere_);
    }
    void TearDown() override { fs::remove_all(root_); }
    static void write(const fs::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    fs::path root_, quiz_, elsewhere_;
};

TEST_F(PickedFileTest, PresetDropsMissingFilesAndTakesTheFirstMaskThatMatches) {
    write(quiz_ / "back.bmp", "b");
    EXPECT_EQ(PresetPickerFile(quiz_, "gone.jpg", {"*.jpg", "*.bmp"}), "back.bmp");
    write(quiz_ / "Photo.JPG", "j");
    EXPECT_EQ(PresetPickerFile(quiz_, "", {"*.jpg", "*.bmp"}), "Photo.JPG");
    EXPECT_EQ(PresetPickerFile(quiz_, "BACK.BMP", {"*.jpg"}), "BACK.BMP") << "case ignored";
    EXPECT_EQ(PresetPickerFile(quiz_, "", {"*.wav"}), "");
}

TEST_F(PickedFileTest, YesCopiesTheFileAndTakesItsName) {
    write(elsewhere_ / "sun.jpg", "picture");
    EXPECT_EQ(TakeFoundFile(quiz_, elsewhere_ / "sun.jpg", true, "", {"*.jpg"}), "sun.jpg");
    EXPECT_EQ(read(quiz_ / "sun.jpg"), "picture");
}

TEST_F(PickedFileTest, YesNeverOverwritesAFileOfTheSameName) {
    write(elsewhere_ / "sun.jpg", "new");
    write(quiz_ / "SUN.JPG", "old");
    EXPECT_EQ(TakeFoundFile(quiz_, elsewhere_ / "sun.jpg", true, "x.jpg", {"*.jpg"}), "SUN.JPG");
    EXPECT_EQ(read(quiz_ / "SUN.JPG"), "old");
    EXPECT_FALSE(fs::exists(quiz_ / "sun.jpg") &&
                 !fs::equivalent(quiz_ / "sun.jpg", quiz_ / "SUN.JPG"));
}

TEST_F(PickedFileTest, NoKeepsTheNameBoxOrPresetsAnEmptyOne) {
    write(elsewhere_ / "sun.jpg", "new");
    EXPECT_EQ(TakeFoundFile(quiz_, elsewhere_ / "sun.jpg", false, "mine.jpg", {"*.jpg"}),
              "mine.jpg");
    EXPECT_FALSE(fs::exists(quiz_ / "sun.jpg"));
    write(quiz_ / "a.bmp", "a");
    EXPECT_EQ(TakeFoundFile(quiz_, elsewhere_ / "sun.jpg", false, "", {"*.jpg", "*.bmp"}), "a.bmp");
}

} // namespace
} // namespace tavrin
