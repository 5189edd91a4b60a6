#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "support/GuiTestSupport.h"
#include "ui/shell/ListChooser.h"
#include "ui/shell/TButtListForm.h"
#include "ui/shell/TGetInputTextForm.h"

namespace tavrin {
namespace {

using test::click;
using test::findChild;
using test::typeInto;

const QStringList kQuestions = {"Capital of France", "River Nile", "capital of Peru",
                                "Mount Everest", "CAPITAL OF SPAIN"};

class ListChooserTest : public test::GuiTest {
protected:
    // Queues a find prompt that types `text` and presses `button`.
    void answerFind(const QString& text, const QString& button) {
        platform.onDialog("TGetInputTextForm", [text, button](QDialog& prompt) {
            typeInto(prompt, "Edit1", text);
            click(prompt, button);
        });
    }

    static int selectedRow(QDialog& chooser) {
        return static_cast<TButtListForm&>(chooser).selectedIndex();
    }
};

TEST_F(ListChooserTest, OpensWithTheStartEntrySelected) {
    platform.onDialog("TButtListForm", [](QDialog& chooser) {
        EXPECT_EQ(selectedRow(chooser), 2);
        click(chooser, "OKBitBtn");
    });
    EXPECT_EQ(SelectFromList(platform, kQuestions, 2, 165, "Select a Question to Edit"), 2);
}

TEST_F(ListChooserTest, CloseEscapeOrAnEmptySelectionReturnMinusOne) {
    platform.onDialog("TButtListForm", [](QDialog& chooser) { click(chooser, "CancelBitBtn"); });
    EXPECT_EQ(SelectFromList(platform, kQuestions, 0, 165, "Pick"), -1);
    platform.onDialog("TButtListForm", [](QDialog& chooser) {
        test::pressKey(chooser, "ListBox1", Qt::Key_Escape);
    });
    EXPECT_EQ(SelectFromList(platform, kQuestions, 0, 165, "Pick"), -1);
    platform.onDialog("TButtListForm", [](QDialog& chooser) { click(chooser, "OKBitBtn"); });
    EXPECT_EQ(SelectFromList(platform, {}, 0, 165, "Pick"), -1);
}

TEST_F(ListChooserTest, EnterOrDoubleClickInTheListSelects) {
    platform.onDialog("TButtListForm", [](QDialog& chooser) {
        auto* list = findChild<QListWidget>(chooser, "ListBox1");
        list->setCurrentRow(3);
        QTest::keyClick(list, Qt::Key_Return);
    });
    EXPECT_EQ(SelectFromList(platform, kQuestions, 0, 165, "Pick"), 3);
    platform.onDialog("TButtListForm", [](QDialog& chooser) {
        auto* list = findChild<QListWidget>(chooser, "ListBox1");
        const QRect place = list->visualItemRect(list->item(1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place.center());
    });
    EXPECT_EQ(SelectFromList(platform, kQuestions, 0, 165, "Pick"), 1);
}

TEST_F(ListChooserTest, FindFirstAndFindNextSelectTheMatchesAndFocusSelect) {
    answerFind("capital", "FindFirstBtn");
    answerFind("capital", "FindNextBtn");
    platform.onDialog("TButtListForm", [](QDialog& chooser) {
        for (int row : {0, 2}) {
            click(chooser, "BitBtn1");
            EXPECT_EQ(selectedRow(chooser), row);
        }
        EXPECT_EQ(chooser.focusWidget(), findChild<QPushButton>(chooser, "OKBitBtn"));
        click(chooser, "OKBitBtn");
    });
    EXPECT_EQ(SelectFromList(platform, kQuestions, 3, 165, "Pick"), 2);
}

TEST_F(ListChooserTest, FindPromptRemembersTheTextAndACancelSelectsEntryZero) {
    answerFind("everest", "FindFirstBtn");
    platform.onDialog("TGetInputTextForm", [](QDialog& prompt) {
        EXPECT_EQ(findChild<QLineEdit>(prompt, "Edit1")->text(), "everest");
        click(prompt, "CancelBtn");
    });
    platform.onDialog("TButtListForm", [](QDialog& chooser) {
        click(chooser, "BitBtn1");
        EXPECT_EQ(selectedRow(chooser), 3);
        click(chooser, "BitBtn1");
        EXPECT_EQ(selectedRow(chooser), 0);
        click(chooser, "OKBitBtn");
    });
    EXPECT_EQ(SelectFromList(platform, kQuestions, 1, 165, "Pick"), 0);
}

TEST_F(ListChooserTest, F1OpensHelpAtTheChoosersContext) {
    platform.expectHelp(175);
    platform.onDialog("TButtListForm", [](QDialog& chooser) {
        test::pressKey(chooser, "ListBox1", Qt::Key_F1);
        click(chooser, "CancelBitBtn");
    });
    SelectFromList(platform, kQuestions, 0, 175, "Pick");
}

class FindPromptTest : public test::GuiTest {};

TEST_F(FindPromptTest, ButtonsAndKeysStoreTheTextOrCancel) {
    platform.onDialog("TGetInputTextForm", [](QDialog& prompt) {
        typeInto(prompt, "Edit1", "nile");
        click(prompt, "FindFirstBtn");
    });
    platform.onDialog("TGetInputTextForm", [](QDialog& prompt) {
        typeInto(prompt, "Edit1", "peru");
        click(prompt, "FindNextBtn");
    });
    platform.onDialog("TGetInputTextForm", [](QDialog& prompt) {
        typeInto(prompt, "Edit1", "x");
        test::pressKey(prompt, "Edit1", Qt::Key_Return);
    });
    platform.onDialog("TGetInputTextForm", [](QDialog& prompt) {
        typeInto(prompt, "Edit1", "y");
        test::pressKey(prompt, "Edit1", Qt::Key_Escape);
    });
    QString text;
    EXPECT_EQ(AskFindText(platform, text), kFindFirst);
    EXPECT_EQ(text, "nile");
    EXPECT_EQ(AskFindText(platform, text), kFindNext);
    EXPECT_EQ(text, "peru");
    EXPECT_EQ(AskFindText(platform, text), kFindFirst);
    EXPECT_EQ(AskFindText(platform, text), kFindCancelled);
    EXPECT_EQ(text, "x");
}

} // namespace
} // namespace tavrin
