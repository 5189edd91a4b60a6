#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include "core/files/FileIO.h"
#include "core/topics/TopicFile.h"
#include "support/GuiTestSupport.h"
#include "tests/core/QuizFolders.h"
#include "ui/hyper/THypMenuForm.h"
#include "ui/hyper/TInfoMenuForm.h"
#include "ui/hyper/TextEntry.h"

namespace tavrin {
namespace {

namespace fs = std::filesystem;
using test::click;
using test::findChild;
using test::typeInto;

class InformationMenuTest : public test::GuiTest {
protected:
    QuizFolders folders_;
    const fs::path& quiz_ = folders_.quiz;
    const fs::path& other_ = folders_.other;
    const fs::path topics_ = quiz_ / "QUIZ.TIR";
    static void write(const fs::path& path, const std::string& text) {
        WriteFileAtomically(path, text);
    }
    static std::string read(const fs::path& path) { return ReadFileText(path); }
    bool runMenu(const std::string& id) { return RunInformationMenu(platform, topics_, quiz_, id); }
};

TEST_F(InformationMenuTest, OpensWithTextOnlyAndRefusesToSaveNothingOrAnEmptyText) {
    platform.onDialog("TInfoMenuForm", [](QDialog& menu) {
        EXPECT_TRUE(findChild<QRadioButton>(menu, "RadioButton1")->isChecked());
        EXPECT_TRUE(findChild<QPushButton>(menu, "Button1")->isEnabled());
        EXPECT_FALSE(findChild<QPushButton>(menu, "Button2")->isEnabled());
        EXPECT_EQ(menu.findChild<QRadioButton*>("RadioButton9"), nullptr);
        test::setChecked(menu, "RadioButton7", true);
        EXPECT_TRUE(findChild<QPushButton>(menu, "Button7")->isEnabled());
        EXPECT_FALSE(findChild<QPushButton>(menu, "Button1")->isEnabled());
        click(menu, "SaveBtn");
        click(menu, "CancelBtn");
    });
    platform.expectError("No data has been entered.");
    EXPECT_FALSE(runMenu("Q1"));

    // Changing the option after adding leaves nothing to save either.
    write(quiz_ / "a.bmp", "b");
    platform.onDialog("TInfoMenuForm", [](QDialog& menu) {
        test::setChecked(menu, "RadioButton2", true);
        click(menu, "Button2");
        test::setChecked(menu, "RadioButton3", true);
        click(menu, "SaveBtn");
        click(menu, "CancelBtn");
    });
    platform.onDialog("TGetGraphicForm", [](QDialog& picker) { click(picker, "OKBtn"); });
    platform.expectError("No data has been entered.");
    EXPECT_FALSE(runMenu("Q1"));

    // An empty text editor keeps no text.
    platform.onDialog("TInfoMenuForm", [](QDialog& menu) {
        click(menu, "Button1");
        click(menu, "SaveBtn");
        click(menu, "CancelBtn");
    });
    platform.onDialog("THypEntryForm", [](QDialog& editor) { click(editor, "OKBtn"); });
    platform.expectError("No Text information was entered.");
    EXPECT_FALSE(runMenu("Q1"));
    EXPECT_FALSE(fs::exists(topics_));
}

TEST_F(InformationMenuTest, PictureFromElsewhereThenChangedToASound) {
    write(other_ / "sun.jpg", "jpeg bytes");
    write(quiz_ / "bell.wav", "wave");
    platform.onDialog("TInfoMenuForm", [](QDialog& menu) {
        test::setChecked(menu, "RadioButton2", true);
        click(menu, "Button2");
        click(menu, "SaveBtn");
    });
    platform.onDialog("TGetGraphicForm", [](QDialog& picker) {
        EXPECT_EQ(test::textOf(picker, "Edit1"), "") << "nothing to preset from";
        click(picker, "FindBtn");
        EXPECT_EQ(test::textOf(picker, "Edit1"), "sun.jpg");
        EXPECT_EQ(findChild<QListWidget>(picker, "FileListBox1")->count(), 1);
        typeInto(picker, "DurationEdit", "25");
        click(picker, "OKBtn");
    });
    platform.expectOpenFile(QString::fromStdString((other_ / "sun.jpg").string()));
    platform.expectYesNo("Copy the file sun.jpg to the Project directory?", true);
    EXPECT_TRUE(runMenu("Q1"));
    EXPECT_EQ(read(quiz_ / "sun.jpg"), "jpeg bytes");
    EXPECT_EQ(read(topics_), "[Q1]\r\nsource=HYPER\r\ntype=2\r\ncommand=sun.jpg,25\r\n]\r\n\r\n");

    platform.onDialog("TInfoMenuForm", [](QDialog& menu) {
        EXPECT_TRUE(findChild<QRadioButton>(menu, "RadioButton2")->isChecked());
        test::setChecked(menu, "RadioButton3", true);
        click(menu, "Button3");
        click(menu, "SaveBtn");
    });
    platform.onDialog("TGetAudioForm", [](QDialog& picker) {
        EXPECT_EQ(test::textOf(picker, "Edit1"), "bell.wav") << "preset from the quiz folder";
        click(picker, "OKBtn");
    });
    EXPECT_TRUE(runMenu("Q1"));
    EXPECT_EQ(read(topics_), "[Q1]\r\nsource=HYPER\r\ntype=3\r\ncommand=bell.wav\r\n]\r\n\r\n");
}

TEST_F(InformationMenuTest, WindowsProgramSavesItsOwnLinkType) {
    platform.onDialog("TInfoMenuForm", [](QDialog& menu) {
        test::setChecked(menu, "RadioButton4", true);
        click(menu, "Button4");
        EXPECT_TRUE(findChild<QRadioButton>(menu, "RadioButton4")->isChecked());
        click(menu, "SaveBtn");
    });
    platform.onDialog("TExeChoiceForm", [](QDialog& choice) {
        EXPECT_TRUE(findChild<QRadioButton>(choice, "RadioButton1")->isChecked());
        test::setChecked(choice, "RadioButton2", true);
        EXPECT_FALSE(findChild<QPushButton>(choice, "Button1")->isEnabled());
        click(choice, "Button2");
        click(choice, "OKBtn");
    });
    platform.onDialog("TGetWinExeForm", [](QDialog& dialog) {
        click(dialog, "OKBtn");
        typeInto(dialog, "Edit1", "write.exe notes.doc");
        click(dialog, "OKBtn");
    });
    platform.expectError("No executable file has been selected");
    EXPECT_TRUE(runMenu("Q1"));
    EXPECT_EQ(read(topics_),
              "[Q1]\r\nsource=HYPER\r\ntype=9\r\ncommand=write.exe notes.doc\r\n]\r\n\r\n");
}

TEST_F(InformationMenuTest, TextOnlyRunsTheEditorWithTheWindowReset) {
    platform.onDialog("TInfoMenuForm", [](QDialog& menu) {
        click(menu, "Button1");
        click(menu, "SaveBtn");
    });
    platform.onDialog("THypEntryForm", [](QDialog& editor) {
        typeInto(editor, "RichEdit1", "Paris is the capital.");
        click(editor, "OKBtn");
    });
    EXPECT_TRUE(runMenu("Q1"));
    std::vector<std::string> lines;
    ASSERT_TRUE(FindTopic(topics_, "Q1", "HYPER", lines));
    EXPECT_EQ(lines.at(2), "type=1");
    EXPECT_EQ(lines.at(3), "displaytype=0") << "the text window shows no background";
    EXPECT_EQ(lines.at(4), "fullscreen=false");
}

TEST_F(InformationMenuTest, AnExistingTopicReportsTrueEvenWhenCancelledOrUnreadable) {
    AppendCommandTopic(topics_, "Q1", 10, "page.htm", "HYPER");
    platform.onDialog("TInfoMenuForm", [](QDialog& menu) {
        EXPECT_TRUE(findChild<QRadioButton>(menu, "RadioButton4")->isChecked());
        click(menu, "CancelBtn");
    });
    EXPECT_TRUE(runMenu("Q1"));
    // A stored duration that is no number stops the menu before it opens.
    AppendCommandTopic(topics_, "Q2", 2, "a.jpg,xx", "HYPER");
    platform.expectError("'xx' is not a valid integer value");
    EXPECT_TRUE(runMenu("Q2"));
}

TEST_F(InformationMenuTest, FeedbackMenuSavesANotesFileAndReopensOnIt) {
    platform.onDialog("THypMenuForm", [](QDialog& menu) {
        test::setChecked(menu, "RadioButton9", true);
        click(menu, "Button9");
        click(menu, "SaveBtn");
    });
    platform.onDialog("TNoteFileForm", [](QDialog& dialog) {
        typeInto(dialog, "Edit1", "advice.txt");
        click(dialog, "OKBtn");
    });
    EXPECT_TRUE(EditGroupFeedback(platform, topics_, quiz_, "GROUP 3 FEEDBACK"));
    EXPECT_EQ(read(topics_),
              "[GROUP 3 FEEDBACK]\r\nsource=HYPER\r\ntype=13\r\ncommand=advice.txt\r\n]\r\n\r\n");
    platform.onDialog("THypMenuForm", [](QDialog& menu) {
        EXPECT_TRUE(findChild<QRadioButton>(menu, "RadioButton9")->isChecked());
        click(menu, "CancelBtn");
    });
    EXPECT_TRUE(EditGroupFeedback(platform, topics_, quiz_, "GROUP 3 FEEDBACK"));
}

} // namespace
} // namespace tavrin
