#include <QGroupBox>
#include <QListWidget>
#include <QTest>
#include <filesystem>

#include "core/files/FileIO.h"
#include "core/settings/ProgramWindow.h"
#include "support/GuiTestSupport.h"
#include "tests/core/QuizFolders.h"
#include "ui/present/ImportToQuizFolder.h"
#include "ui/present/TCFGDesignBackForm.h"

namespace tavrin {
namespace {

namespace fs = std::filesystem;
using test::click;
using test::findChild;
using test::textOf;

class BackgroundDesignTest : public test::GuiTest {
protected:
    BackgroundDesignTest() {
        window.setProgramTitle("Birds of Europe");
        window.setBackgroundDefaults();
    }
    static void write(const fs::path& path, const std::string& content = "x") {
        WriteFileAtomically(path, content);
    }
    // Which of the three kind groups the author sees.
    static QString visibleGroups(const QDialog& form) {
        QString shown;
        for (const char* name : {"ColorGroup", "GraphicGroup", "WallpaperGroup"}) {
            if (findChild<QGroupBox>(form, name)->isVisibleTo(&form)) {
                shown += QString::fromLatin1(name);
            }
        }
        return shown;
    }
    static void pickFromList(const QDialog& form, const QString& listName, int row) {
        auto* list = findChild<QListWidget>(form, listName);
        list->setCurrentRow(row);
        emit list->itemClicked(list->item(row));
    }
    QuizFolders folders_;
    const fs::path& quiz_ = folders_.quiz;
    const fs::path& other_ = folders_.other;
    ProgramWindow window;
};

TEST_F(BackgroundDesignTest, ChoosingAKindShowsItsGroupAndPresetsAJpegBeforeABitmap) {
    write(quiz_ / "b.bmp");
    write(quiz_ / "C.BMP");
    write(quiz_ / "z.JPG");
    write(quiz_ / "notes.txt");
    platform.onDialog("TCFGDesignBackForm", [](QDialog& form) {
        EXPECT_EQ(visibleGroups(form), "ColorGroup");
        EXPECT_EQ(findChild<QListWidget>(form, "GraphicList")->count(), 3);
        EXPECT_EQ(findChild<QListWidget>(form, "WallpaperList")->count(), 2);
        click(form, "GraphicRadio");
        EXPECT_EQ(visibleGroups(form), "GraphicGroup");
        EXPECT_EQ(textOf(form, "GraphicEdit"), "z.JPG");
        click(form, "WallpaperRadio");
        EXPECT_EQ(visibleGroups(form), "WallpaperGroup");
        EXPECT_EQ(textOf(form, "WallpaperEdit"), "b.bmp");
        EXPECT_EQ(textOf(form, "GraphicEdit"), "") << "a preset wallpaper drops the graphic";
        click(form, "GraphicRadio");
        EXPECT_EQ(textOf(form, "GraphicEdit"), "z.JPG");
        EXPECT_EQ(textOf(form, "WallpaperEdit"), "");
        pickFromList(form, "GraphicList", 0);
        EXPECT_EQ(textOf(form, "GraphicEdit"), "b.bmp");
        click(form, "OKBtn");
    });
    ASSERT_TRUE(DesignProgramBackground(platform, quiz_, window));
    EXPECT_EQ(window.backgroundKind(), 2);
    EXPECT_EQ(window.backgroundGraphic(), "b.bmp");
    EXPECT_EQ(window.backgroundWallpaper(), "") << "only the kind's file is kept";
}

// Whether a found file is copied, and that it never overwrites, is the picked-file
// rule's; the form asks for the kind's files and takes the name.
TEST_F(BackgroundDesignTest, FindFileAsksForTheKindsFilesAndTakesTheCopiedName) {
    write(other_ / "pic.jpg", "new");
    platform.expectOpenFile(QString::fromStdString((other_ / "pic.jpg").string()));
    platform.expectYesNo("Copy the file pic.jpg to the Project directory?", true);
    platform.onDialog("TCFGDesignBackForm", [this](QDialog& form) {
        click(form, "GraphicRadio");
        click(form, "GraphicFindBtn");
        EXPECT_EQ(platform.lastFileRequest().filter, "Graphic Files|*.BMP;*.JPG");
        click(form, "OKBtn");
    });
    ASSERT_TRUE(DesignProgramBackground(platform, quiz_, window));
    EXPECT_EQ(window.backgroundGraphic(), "pic.jpg");
}

TEST_F(BackgroundDesignTest, AFailedCopyIsReportedAndKeepsTheEdit) {
    fs::create_directories(other_ / "broken.bmp"); // cannot be read as a file
    platform.expectOpenFile(QString::fromStdString((other_ / "broken.bmp").string()));
    platform.expectYesNo("Copy the file broken.bmp to the Project directory?", true);
    platform.expectError(QString::fromStdString((other_ / "broken.bmp").string()) +
                         ": is not a plain file");
    EXPECT_EQ(ImportToQuizFolder(platform, quiz_, {}, {}, "kept.bmp"), QString("kept.bmp"));
}

TEST_F(BackgroundDesignTest, ViewShowsTheDesignedBackgroundUnderTheProgramTitleAndCancelKeepsIt) {
    const ProgramWindow before = window;
    platform.onDialog("TCFGDesignBackForm", [this](QDialog& form) {
        platform.onDialog("TTBackForm", [](QDialog& back) {
            EXPECT_EQ(back.windowTitle(), "Birds of Europe");
            EXPECT_EQ(back.palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
            QTest::keyClick(&back, Qt::Key_Return);
        });
        click(form, "ViewBtn");
        click(form, "GraphicRadio");
        click(form, "CancelBtn");
    });
    EXPECT_FALSE(DesignProgramBackground(platform, quiz_, window));
    EXPECT_EQ(window.bytes(), before.bytes());
}

} // namespace
} // namespace tavrin
