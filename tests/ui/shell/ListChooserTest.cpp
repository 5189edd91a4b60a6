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

TEST_F(ListChooserTest, CloseEscapeOrAnEmptySelectionReturnMinusOneAndF1OpensHelp) {
    platform.expectHelp(175);
    platform.onDialog("TButtListForm", [](QDialog& chooser) {
        test::pressKey(chooser, "ListBox1", Qt::Key_F1);
        click(chooser, "CancelBitBtn");
    });
    EXPECT_EQ(SelectFromList(platform, kQuestions, 0, 175, "Pick"), -1);
    platform.onDialog("TButtListForm", [](QDialog& chooser) {
        test::pressKey(chooser, "ListBox1", Qt::Key_Escape);
    });
    EXPECT_EQ(SelectFromList(platform, kQuestions, 0, 165, "Pick"), -1);
    platform.onDialog("TButtListForm", [](QDialog& chooser) { click(chooser, "OKBitBtn"); });
    EXPECT_EQ(SelectFromList(platform, {}, 0, 165, "Pick"), -1);
}

TEST_F(ListChooserTest, OpensOnTheStartEntryAndEnterOrDoubleClickInTheListSelects) {
    platform.onDialog("TButtListForm", [](QDialog& chooser) {
        EXPECT_EQ(selectedRow(chooser), 2);
        auto* list = findChild<QListWidget>(chooser, "ListBox1");
        list->setCurrentRow(3);
        QTest::keyClick(list, Qt::Key_Return);
    });
    EXPECT_EQ(SelectFromList(platform, kQuestions, 2, 165, "Pick"), 3);
    platform.onDialog("TButtListForm", [](QDialog& chooser) {
        auto* list = findChild<QListWidget>(chooser, "ListBox1");
        const QRect place = list->visualItemRect(list->item(1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place.center());
    });
    EXPECT_EQ(SelectFromList(platform, kQuestions, 0, 165, "Pick"), 1);
}

// Which entries match is the list search's rule (a core test); the chooser
// wires the prompt, selects the match and moves the focus to Select.
TEST_F(ListChooserTest, FindSelectsTheMatchesAndACancelledPromptSelectsEntryZero) {
    answerFind("capital", "FindFirstBtn");
    platform.onDialog("TGetInputTextForm", [](QDialog& prompt) {
        EXPECT_EQ(test::textOf(prompt, "Edit1"), "capital") << "the prompt remembers the text";
        click(prompt, "FindNextBtn");
    });
    platform.onDialog("TGetInputTextForm", [](QDialog& prompt) { click(prompt, "CancelBtn"); });
    platform.onDialog("TButtListForm", [](QDialog& chooser) {
        for (int row : {0, 2, 0}) {
            click(chooser, "BitBtn1");
            EXPECT_EQ(selectedRow(chooser), row);
        }
        EXPECT_EQ(chooser.focusWidget(), findChild<QPushButton>(chooser, "OKBitBtn"));
        click(chooser, "OKBitBtn");
    });
    EXPECT_EQ(SelectFromList(platform, kQuestions, 3, 165, "Pick"), 0);
}

class FindPromptTest : public test::GuiTest {};

TEST_F(FindPromptTest, ButtonsAndKeysStoreTheTextOrCancel) {
    const struct {
        const char* typed;
        const char* button; // or else the key is pressed in the edit
        Qt::Key key;
        int result;
        const char* kept;
    } cases[] = {
        {"nile", "FindFirstBtn", Qt::Key_unknown, kFindFirst, "nile"},
        {"peru", "FindNextBtn", Qt::Key_unknown, kFindNext, "peru"},
        {"x", nullptr, Qt::Key_Return, kFindFirst, "x"},
        {"y", nullptr, Qt::Key_Escape, kFindCancelled, "x"}, // a cancel keeps the text before
    };
    QString text;
    for (const auto& c : cases) {
        platform.onDialog("TGetInputTextForm", [&c](QDialog& prompt) {
            typeInto(prompt, "Edit1", c.typed);
            if (c.button != nullptr)
                click(prompt, c.button);
            else
                test::pressKey(prompt, "Edit1", c.key);
        });
        EXPECT_EQ(AskFindText(platform, text), c.result) << c.typed;
        EXPECT_EQ(text, c.kept) << c.typed;
    }
}

} // namespace
} // namespace tavrin
