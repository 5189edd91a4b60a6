#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "core/files/FileIO.h"
#include "core/files/PickedFile.h"
#include "platform/PlatformConversions.h"
#include "support/GuiTestSupport.h"
#include "tests/core/QuizFolders.h"
#include "ui/hyper/Pickers.h"
#include "ui/hyper/TCommandTypeForm.h"
#include "ui/hyper/TExeChoiceForm.h"
#include "ui/hyper/TGetGrAudioForm.h"

namespace tavrin {
namespace {

namespace fs = std::filesystem;
using test::click;
using test::findChild;
using test::typeInto;

class PickerTest : public test::GuiTest {
protected:
    QuizFolders folders_;
    const fs::path& quiz_ = folders_.quiz;
    const fs::path& other_ = folders_.other;
    static void write(const fs::path& path) { WriteFileAtomically(path, std::string("x")); }
};

TEST_F(PickerTest, GraphicPickerListsTheQuizFolderAndChecksTheDuration) {
    write(quiz_ / "b.BMP");
    write(quiz_ / "a.jpg");
    write(quiz_ / "c.wav");
    platform.onDialog("TGetGraphicForm", [](QDialog& picker) {
        auto* list = findChild<QListWidget>(picker, "FileListBox1");
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(0)->text(), "a.jpg");
        click(picker, "OKBtn");
        list->setCurrentRow(1);
        emit list->itemClicked(list->item(1));
        EXPECT_EQ(test::textOf(picker, "Edit1"), "b.BMP");
        typeInto(picker, "DurationEdit", "1x");
        click(picker, "OKBtn");
        EXPECT_EQ(test::textOf(picker, "DurationEdit"), "0");
        typeInto(picker, "DurationEdit", "");
        click(picker, "OKBtn");
    });
    platform.expectError("No Graphic file has been selected");
    platform.expectError("That is not a valid number");
    QString command, file;
    int duration = 7;
    EXPECT_TRUE(PickGraphic(platform, quiz_, command, file, duration));
    EXPECT_EQ(command, "b.BMP,0");
    EXPECT_EQ(duration, 0);
}

TEST_F(PickerTest, ProgramValueSplitsIntoNameAndParameters) {
    platform.onDialog("TGetExeForm", [](QDialog& picker) {
        EXPECT_EQ(test::textOf(picker, "Edit1"), "calc.exe");
        EXPECT_EQ(test::textOf(picker, "ParamEdit"), "-x,y");
        typeInto(picker, "ParamEdit", "");
        click(picker, "OKBtn");
    });
    QString value = "calc.exe,-x,y";
    EXPECT_TRUE(PickProgram(platform, quiz_, value));
    EXPECT_EQ(value, "calc.exe");
}

TEST_F(PickerTest, AccentedNamesAreListedViewedAndFoundAndOthersRefused) {
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(QString::fromStdString((quiz_ / "caf\xC3\xA9.bmp").string()), "BMP"));
    write(quiz_ / "\xCE\xA9.jpg"); // "Ω.jpg": no quiz can name it
    write(other_ / "ol\xC3\xA9.jpg");
    write(other_ / "\xCE\xA9.bmp");
    const QString refusal = QString::fromUtf8("The name of the file %1 holds characters that a "
                                              "quiz cannot store. Rename the file and choose it "
                                              "again.");
    platform.onDialog("TGetGraphicForm", [](QDialog& picker) {
        auto* list = findChild<QListWidget>(picker, "FileListBox1");
        ASSERT_EQ(list->count(), 1);
        EXPECT_EQ(list->item(0)->text(), QString::fromUtf8("caf\xC3\xA9.bmp"));
        list->setCurrentRow(0);
        emit list->itemClicked(list->item(0));
        click(picker, "ViewBtn");
        click(picker, "FindBtn");
        EXPECT_EQ(test::textOf(picker, "Edit1"), QString::fromUtf8("caf\xC3\xA9.bmp"));
        click(picker, "FindBtn");
        EXPECT_EQ(test::textOf(picker, "Edit1"), QString::fromUtf8("ol\xC3\xA9.jpg"));
        auto* edit = findChild<QLineEdit>(picker, "Edit1");
        edit->setText(QString::fromUtf8("\xCE\xA9.jpg")); // keys cannot type it
        click(picker, "OKBtn");
        edit->setText(QString::fromUtf8("ol\xC3\xA9.jpg"));
        click(picker, "OKBtn");
    });
    bool shown = false;
    platform.onDialog("TShowMultForm", [&shown](QDialog& window) {
        shown = true;
        QTest::keyClick(&window, Qt::Key_Escape);
    });
    platform.expectOpenFile(QString::fromStdString((other_ / "\xCE\xA9.bmp").string()));
    platform.expectError(refusal.arg(QString::fromUtf8("\xCE\xA9.bmp")));
    platform.expectOpenFile(QString::fromStdString((other_ / "ol\xC3\xA9.jpg").string()));
    platform.expectYesNo(
        QString::fromUtf8("Copy the file ol\xC3\xA9.jpg to the Project directory?"), true);
    platform.expectError(refusal.arg(QString::fromUtf8("\xCE\xA9.jpg")));
    QString command, file;
    int duration = 0;
    EXPECT_TRUE(PickGraphic(platform, quiz_, command, file, duration));
    EXPECT_TRUE(shown) << "the accented picture is found for View";
    EXPECT_EQ(StoredText(file), "ol\xE9.jpg");
    EXPECT_TRUE(fs::exists(quiz_ / "ol\xC3\xA9.jpg"));
}

TEST_F(PickerTest, GraphicAndSoundChecksThePictureThenTheSound) {
    write(quiz_ / "tune.MID");
    platform.onDialog("TGetGrAudioForm", [](QDialog& picker) {
        click(picker, "OKBtn");
        typeInto(picker, "Edit1", "a.jpg");
        click(picker, "OKBtn");
        auto* sounds = findChild<QListWidget>(picker, "FileListBox2");
        ASSERT_EQ(sounds->count(), 1);
        emit sounds->itemClicked(sounds->item(0));
        typeInto(picker, "DurationEdit", "15");
        click(picker, "OKBtn");
    });
    platform.expectError("No Graphic file has been selected");
    platform.expectError("No Sound file has been selected");
    QString command, graphic, sound;
    int duration = 0;
    EXPECT_TRUE(PickGraphicAndSound(platform, quiz_, command, graphic, sound, duration));
    EXPECT_EQ(command, "a.jpg,tune.MID,15");
}

TEST_F(PickerTest, CommandTypeDialogAsksForTheSelectedKindsFileAndTakesAProgramKindsType) {
    write(quiz_ / "a.jpg");
    CommandRecord record;
    platform.onDialog("TCommandTypeForm", [](QDialog& dialog) {
        EXPECT_TRUE(findChild<QPushButton>(dialog, "DefineBtn3")->isEnabled()) << "type 0 is 4";
        click(dialog, "OKBtn");
        test::setChecked(dialog, "RadioButton1", true);
        click(dialog, "DefineBtn1");
        test::setChecked(dialog, "RadioButton2", true);
        click(dialog, "OKBtn");
        test::setChecked(dialog, "RadioButton4", true);
        click(dialog, "OKBtn");
        test::setChecked(dialog, "RadioButton1", true);
        click(dialog, "OKBtn");
    });
    platform.expectError("No Executable File has been defined.");
    platform.onDialog("TGetGraphicForm", [](QDialog& picker) { click(picker, "OKBtn"); });
    platform.expectError("No Voice File has been selected.");
    platform.expectError("No Graphic File has been selected.");
    EXPECT_TRUE(EditCommand(platform, record, " Opening Command ", 430, false, quiz_));
    EXPECT_EQ(record.commandType(), 2);
    EXPECT_EQ(record.graphicFile(), "a.jpg");
    EXPECT_EQ(record.runCommand(), "a.jpg,0");

    // A program kind brings its own type.
    record = CommandRecord();
    platform.onDialog("TCommandTypeForm", [](QDialog& dialog) {
        click(dialog, "DefineBtn3");
        click(dialog, "OKBtn");
    });
    platform.onDialog("TExe2ChoiceForm", [](QDialog& choice) {
        test::setChecked(choice, "RadioButton2", true);
        click(choice, "Button2");
        click(choice, "OKBtn");
    });
    platform.onDialog("TGetWinExeForm", [](QDialog& dialog) {
        click(dialog, "OKBtn");
        typeInto(dialog, "Edit1", "viewer.exe a.doc");
        click(dialog, "OKBtn");
    });
    platform.expectError("No executable file has been selected");
    EXPECT_TRUE(EditCommand(platform, record, "", 430, true, quiz_));
    EXPECT_EQ(record.commandType(), 9);
    EXPECT_EQ(record.programCommand(), "viewer.exe a.doc");
    EXPECT_EQ(record.runCommand(), "viewer.exe a.doc");
}

} // namespace
} // namespace tavrin
