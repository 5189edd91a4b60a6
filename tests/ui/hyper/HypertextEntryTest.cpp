#include <QComboBox>
#include <QFrame>
#include <QTextEdit>
#include <algorithm>

#include "core/settings/ViewPortDesign.h"
#include "support/GuiTestSupport.h"
#include "ui/hyper/MediaDisplay.h"
#include "ui/hyper/THypTextAdjForm.h"
#include "ui/hyper/TextEntry.h"

namespace tavrin {
namespace {

using test::click;
using test::findChild;
using test::triggerMenu;
using test::typeInto;

class HypertextEntryTest : public test::GuiTest {
protected:
    HypertextEntryTest() {
        design.setFullscreen(false);
        design.setVpLeft(100);
        design.setVpTop(90);
        design.setVpWidth(250);
        design.setVpHeight(120);
    }
    ViewPortDesign design = DefaultViewPortDesign();
    std::vector<std::string> lines{"{\\rtf1\\ansi Hello", "}"};
};

TEST_F(HypertextEntryTest, TextMovesInAndOutAsRichTextLines) {
    platform.onDialog("THypEntryForm", [](QDialog& editor) {
        EXPECT_EQ(findChild<QTextEdit>(editor, "RichEdit1")->toPlainText(), "Hello");
        typeInto(editor, "RichEdit1", "Bonjour");
        click(editor, "OKBtn");
    });
    EXPECT_TRUE(EditHypertext(platform, {}, design, lines, 1));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front().rfind("{\\rtf", 0), 0u);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line.find("Bonjour") != std::string::npos;
    }));
}

TEST_F(HypertextEntryTest, CancelChangesNothingAndAnEmptyEditorKeepsTheText) {
    const auto before = lines;
    platform.onDialog("THypEntryForm", [](QDialog& editor) {
        click(editor, "ClearAllBtn");
        click(editor, "CancelBtn");
    });
    EXPECT_FALSE(EditHypertext(platform, {}, design, lines, 1));
    platform.onDialog("THypEntryForm", [](QDialog& editor) {
        click(editor, "ClearAllBtn");
        click(editor, "OKBtn");
    });
    EXPECT_TRUE(EditHypertext(platform, {}, design, lines, 2));
    EXPECT_EQ(lines, before);
}

TEST_F(HypertextEntryTest, FormattingFollowsTheButtonsAndBoxes) {
    platform.onDialog("THypEntryForm", [](QDialog& editor) {
        auto* edit = findChild<QTextEdit>(editor, "RichEdit1");
        click(editor, "SelectAllBtn");
        click(editor, "BoldBtn");
        EXPECT_TRUE(edit->textCursor().charFormat().fontWeight() >= QFont::Bold);
        auto* size = findChild<QComboBox>(editor, "ComboBox2");
        size->setEditText("abc");
        emit size->textActivated("abc");
        click(editor, "SelectAllBtn");
        EXPECT_EQ(edit->textCursor().charFormat().fontPointSize(), 10.0);
        EXPECT_EQ(size->currentText(), "10");
        test::chooseItem(editor, "ComboBox3", "clRed");
        EXPECT_EQ(edit->textCursor().charFormat().foreground().color(), QColor(Qt::red));
        click(editor, "BackColorBtn");
        click(editor, "OKBtn");
    });
    platform.expectColour(std::nullopt);
    design.setVpBack(0x00FFFF00);
    EXPECT_TRUE(EditHypertext(platform, {}, design, lines, 2));
    EXPECT_EQ(design.vpBack(), 0x00FFFF00u) << "a cancelled colour keeps the editor's colour";
}

TEST_F(HypertextEntryTest, PlacingKeepsTheViewPortUnlessMovedAndSaved) {
    platform.onDialog("THypTextAdjForm", [](QDialog& form) {
        EXPECT_EQ(findChild<QFrame>(form, "Panel1")->geometry(), QRect(100, 90, 253, 120));
        triggerMenu(form, "&Save and Quit");
    });
    const ViewPortDesign before = design;
    EXPECT_TRUE(AdjustTextWindow(platform, design, "{\\rtf1 x}"));
    EXPECT_EQ(design.bytes(), before.bytes());

    // The text window then appears where its mock window was placed.
    QPoint placedAt;
    platform.onDialog("THypTextAdjForm", [&placedAt](QDialog& form) {
        auto* mock = findChild<QFrame>(form, "Panel1");
        mock->move(20, 30);
        placedAt = mock->mapToGlobal(QPoint(0, 0));
        form.close();
    });
    platform.expectYesNo("Save changes?", true);
    EXPECT_TRUE(AdjustTextWindow(platform, design, "{\\rtf1 x}"));
    EXPECT_EQ(design.vpLeft(), 20);
    EXPECT_EQ(design.vpTop(), 30);
    EXPECT_EQ(design.vpWidth(), 250);
    platform.onDialog("TShowHTextForm", [&placedAt](QDialog& form) {
        EXPECT_EQ(form.pos(), placedAt);
        click(form, "BitBtn1");
    });
    ShowFormattedText(platform, design, lines, QString());

    platform.onDialog("THypTextAdjForm", [](QDialog& form) {
        findChild<QFrame>(form, "Panel1")->move(0, 0);
        test::pressKey(form, "Panel1", Qt::Key_Escape);
    });
    EXPECT_FALSE(AdjustTextWindow(platform, design, "{\\rtf1 x}"));
    EXPECT_EQ(design.vpLeft(), 20);
}

} // namespace
} // namespace tavrin
