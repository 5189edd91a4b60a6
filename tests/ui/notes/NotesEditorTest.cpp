#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "core/files/FileIO.h"
#include "support/GuiTestSupport.h"
#include "tests/core/TempFolder.h"
#include "tests/ui/notes/PdfText.h"
#include "ui/notes/TFindDialog.h"
#include "ui/notes/THNotesForm.h"

namespace tavrin {
namespace {

namespace fs = std::filesystem;

QString Shown(const fs::path& path) {
    return QString::fromStdString(path.string());
}

class NotesEditorTest : public test::GuiTest {
protected:
    // Runs the editor on the file; `use` drives the open window.
    void edit(const fs::path& file, std::function<void(THNotesForm&)> use) {
        platform.onDialog("THNotesForm",
                          [use](QDialog& form) { use(static_cast<THNotesForm&>(form)); });
        ShowNotes(platform, Shown(file));
    }
    static void type(THNotesForm& form, const QString& text) {
        form.Memo1->moveCursor(QTextCursor::End);
        QTest::keyClicks(form.Memo1, text);
    }
    static void select(THNotesForm& form, int start, int length) {
        QTextCursor cursor = form.Memo1->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        form.Memo1->setTextCursor(cursor);
    }

    TempFolder folder_;
};

TEST_F(NotesEditorTest, TheSaveQuestionGuardsClosingNewAndOpen) {
    const fs::path file = folder_ / "old.txt";
    WriteFileAtomically(file, std::string("caf\xE9\r\n"));
    const QString question = "File old.txt has changed. Save Now?";
    platform.expectYesNoCancel(question, YesNoCancel::Cancel);
    platform.expectYesNoCancel(question, YesNoCancel::No);
    platform.expectYesNoCancel("File Untitled has changed. Save Now?", YesNoCancel::Yes);
    platform.expectSaveFile(std::nullopt);
    platform.expectYesNoCancel("File Untitled has changed. Save Now?", YesNoCancel::Yes);
    platform.expectSaveFile(Shown(folder_ / "new.txt"));
    edit(file, [&](THNotesForm& form) {
        EXPECT_EQ(form.Memo1->toPlainText(), QString::fromUtf8("caf\xC3\xA9"));
        type(form, "!");
        form.Exit1->trigger();
        EXPECT_TRUE(form.isVisible()) << "Cancel keeps the window";
        EXPECT_EQ(form.Memo1->toPlainText(), QString::fromUtf8("caf\xC3\xA9!"));
        form.New1->trigger();
        type(form, "draft");
        // Yes, then cancelling the save dialog: nothing is saved, so nothing is lost.
        form.Exit1->trigger();
        EXPECT_TRUE(form.isVisible());
        form.Exit1->trigger();
    });
    EXPECT_EQ(ReadFileText(file), "caf\xE9\r\n") << "No leaves the file as it was";
    EXPECT_EQ(ReadFileText(folder_ / "new.txt"), "draft\r\n");
}

TEST_F(NotesEditorTest, FilesThatCannotBeReadOrWrittenAreReportedAndChangeNothing) {
    const fs::path binary = folder_ / "tool.exe";
    WriteFileAtomically(binary, std::string("MZ\0\0", 4));
    const QString refused = Shown(binary) + ": the file is not a text file";
    platform.expectError(refused);
    ShowNotes(platform, Shown(binary)); // refused: no window

    const QString question = "File n.txt has changed. Save Now?";
    const fs::path unwritable = folder_ / "missing" / "x.txt";
    platform.expectYesNoCancel(question, YesNoCancel::No);
    platform.expectOpenFile(Shown(binary));
    platform.expectError(refused);
    platform.expectSaveFile(Shown(unwritable));
    platform.expectError(Shown(unwritable) +
                         ": cannot create a temporary file beside it: No such file or directory");
    platform.expectYesNoCancel(question, YesNoCancel::No);
    edit(folder_ / "n.txt", [&](THNotesForm& form) {
        type(form, "keep");
        form.Open1->trigger();
        EXPECT_EQ(form.Memo1->toPlainText(), "keep");
        form.SaveAs1->trigger();
        form.Exit1->trigger(); // still modified and still n.txt: asked again
    });
    EXPECT_FALSE(fs::exists(folder_ / "n.txt"));
}

TEST_F(NotesEditorTest, ReplaceAllComparesCaseContinuesAfterTheInsertedTextAndSaveWritesTheResult) {
    const fs::path file = folder_ / "n.txt";
    WriteFileAtomically(file, std::string("banana\r\nxAa\r\n"));
    edit(file, [&](THNotesForm& form) {
        form.Replace1->trigger();
        TFindDialog& replace = *form.ReplaceDialog1;
        test::typeInto(replace, "FindEdit", "a");
        test::typeInto(replace, "ReplaceEdit", "aa");
        select(form, 0, 1); // "b" is not the find text and is kept
        test::click(replace, "ReplaceAllBtn");
        EXPECT_EQ(form.Memo1->toPlainText(), "baanaanaa\nxAaa") << "case is compared";
        EXPECT_EQ(platform.beepCount(), 1);
        // Nothing left after the caret: a selection that is not the find text stays.
        select(form, 11, 3);
        test::click(replace, "ReplaceBtn");
        EXPECT_EQ(form.Memo1->toPlainText(), "baanaanaa\nxAaa");
        EXPECT_EQ(platform.beepCount(), 2);
        form.Save1->trigger();
        form.Exit1->trigger();
    });
    EXPECT_EQ(ReadFileText(file), "baanaanaa\r\nxAaa\r\n");
}

TEST_F(NotesEditorTest, PrintsTheTextLineByLine) {
    const fs::path file = folder_ / "n.txt";
    WriteFileAtomically(file, std::string("First line\r\n\r\nThird line\r\n"));
    const QString pdf = Shown(folder_ / "notes.pdf");
    platform.expectPrint(pdf);
    edit(file, [&](THNotesForm& form) {
        form.Print1->trigger();
        form.Exit1->trigger();
    });
    EXPECT_EQ(platform.lastPrintTitle(), Shown(file));
    EXPECT_EQ(test::PrintedLines(pdf), (QStringList{"First line", "Third line", "1"}));

    // A print that fails is reported, never passed over as printed.
    platform.expectPrintFailure("printer out of paper");
    platform.expectError("The notes could not be printed: printer out of paper");
    edit(file, [&](THNotesForm& form) {
        form.Print1->trigger();
        form.Exit1->trigger();
    });
}

} // namespace
} // namespace tavrin
