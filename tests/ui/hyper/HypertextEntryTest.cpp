#include <QFrame>
#include <QTextEdit>

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

TEST_F(HypertextEntryTest, CancelChangesNothingAndAnEmptyEditorKeepsTheText) {
    const auto before = lines;
    platform.onDialog("THypEntryForm", [](QDialog& editor) {
        EXPECT_EQ(findChild<QTextEdit>(editor, "RichEdit1")->toPlainText(), "Hello");
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
