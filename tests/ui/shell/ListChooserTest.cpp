#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "support/GuiTestSupport.h"
#include "ui/shell/ListChooser.h"
#include "ui/shell/TButtListForm.h"

namespace tavrin {
namespace {

using test::click;
using test::findChild;
using test::typeInto;

const QStringList kQuestions = {"Capital of France", "River Nile", "capital of Peru",
                                "Mount Everest", "CAPITAL OF SPAIN"};

class ListChooserTest : public test::GuiTest {
protected:
    static int selectedRow(QDialog& chooser) {
        return static_cast<TButtListForm&>(chooser).selectedIndex();
    }
};

// Close, Esc or OK on an empty list give -1; Enter or a double click select.
TEST_F(ListChooserTest, OpensOnTheStartEntrySelectsByEnterOrDoubleClickAndCancels) {
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
// wires the prompt (Enter finds first, Esc cancels and keeps the text),
// selects the match and moves the focus to Select.
TEST_F(ListChooserTest, FindSelectsTheMatchesAndACancelledPromptSelectsEntryZero) {
    platform.onDialog("TGetInputTextForm", [](QDialog& prompt) {
        typeInto(prompt, "Edit1", "capital");
        test::pressKey(prompt, "Edit1", Qt::Key_Return);
    });
    platform.onDialog("TGetInputTextForm", [](QDialog& prompt) {
        EXPECT_EQ(test::textOf(prompt, "Edit1"), "capital") << "the prompt remembers the text";
        click(prompt, "FindNextBtn");
    });
    platform.onDialog("TGetInputTextForm", [](QDialog& prompt) {
        typeInto(prompt, "Edit1", "nile");
        test::pressKey(prompt, "Edit1", Qt::Key_Escape);
    });
    platform.onDialog("TGetInputTextForm", [](QDialog& prompt) {
        EXPECT_EQ(test::textOf(prompt, "Edit1"), "capital") << "a cancel keeps the text before";
        click(prompt, "FindFirstBtn");
    });
    platform.onDialog("TButtListForm", [](QDialog& chooser) {
        for (int row : {0, 2, 0, 0}) {
            click(chooser, "BitBtn1");
            EXPECT_EQ(selectedRow(chooser), row);
        }
        EXPECT_EQ(chooser.focusWidget(), findChild<QPushButton>(chooser, "OKBitBtn"));
        click(chooser, "OKBitBtn");
    });
    EXPECT_EQ(SelectFromList(platform, kQuestions, 3, 165, "Pick"), 0);
}

} // namespace
} // namespace tavrin
