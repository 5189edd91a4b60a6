#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <filesystem>

#include "core/files/FileIO.h"
#include "core/topics/TopicFile.h"
#include "support/GuiTestSupport.h"
#include "tests/core/QuizFolders.h"
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
        EXPECT_TRUE(findChild<QPushButton>(menu, "Button1")->isEnabled());
        test::setChecked(menu, "RadioButton7", true);
        EXPECT_TRUE(findChild<QPushButton>(menu, "Button7")->isEnabled());
        EXPECT_FALSE(findChild<QPushButton>(menu, "Button1")->isEnabled());
        click(menu, "SaveBtn");
        click(menu, "CancelBtn");
    });
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
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line.find("Paris is the capital.") != std::string::npos;
    }));
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

} // namespace
} // namespace tavrin
