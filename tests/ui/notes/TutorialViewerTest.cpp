#include <QAction>
#include <QTextEdit>
#include <filesystem>

#include "core/files/FileIO.h"
#include "core/project/ProjectState.h"
#include "support/GuiTestSupport.h"
#include "tests/core/TempFolder.h"
#include "ui/notes/TFindDialog.h"
#include "ui/notes/TTutorialForm.h"
#include "ui/shell/QuizProjects.h"

namespace tavrin {
namespace {

namespace fs = std::filesystem;

QString Shown(const fs::path& path) {
    return QString::fromStdString(path.string());
}

class TutorialViewerTest : public test::GuiTest {
protected:
    fs::path write(const std::string& rtf) {
        const fs::path file = folder_ / "TUTOR.RTF";
        WriteFileAtomically(file, rtf);
        return file;
    }
    void view(const fs::path& file, std::function<void(TTutorialForm&)> use) {
        platform.onDialog("TTutorialForm",
                          [use](QDialog& form) { use(static_cast<TTutorialForm&>(form)); });
        ShowTutorial(platform, Shown(file));
    }
    static void select(TTutorialForm& form, int start, int length) {
        QTextCursor cursor(form.RichEdit1->document());
        cursor.setPosition(start);
        cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        form.RichEdit1->setTextCursor(cursor);
    }
    static int selectionStart(TTutorialForm& form) {
        return form.RichEdit1->textCursor().selectionStart();
    }

    TempFolder folder_;
};

TEST_F(TutorialViewerTest, FindIgnoresCaseIsSeededByShortSelectionsAndBeepsAtTheEnd) {
    const fs::path file =
        write("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0{\\b Tavrin tutorial}\\par "
              "Learn to use tavrin in one afternoon, step by step.\\par}");
    view(file, [&](TTutorialForm& form) {
        select(form, 16, 30);
        form.Find1->trigger();
        TFindDialog& find = *form.FindDialog1;
        EXPECT_TRUE(find.isVisible() && !find.isModal());
        EXPECT_EQ(find.findText(), "") << "30 characters are not a search text";
        select(form, 16, 29);
        form.Find1->trigger();
        EXPECT_EQ(find.findText(), "Learn to use tavrin in one af");
        test::typeInto(find, "FindEdit", "TAVRIN");
        select(form, 0, 0);
        test::click(find, "FindNextBtn");
        EXPECT_EQ(form.RichEdit1->textCursor().selectedText(), "Tavrin");
        test::click(find, "FindNextBtn");
        EXPECT_EQ(selectionStart(form), 29);
        test::click(find, "FindNextBtn");
        EXPECT_EQ(platform.beepCount(), 1);
        EXPECT_EQ(form.RichEdit1->textCursor().selectedText(), "tavrin");
        form.Quit1->trigger();
    });
}

TEST_F(TutorialViewerTest, AnUnreadableDocumentIsRefusedByName) {
    platform.expectError(Shown(folder_.path()) + ": cannot read: Is a directory");
    ShowTutorial(platform, Shown(folder_.path()));
}

TEST_F(TutorialViewerTest, TheTutorialMenuOpensTheProgramFoldersTutorial) {
    ProjectState state;
    state.programFolder = fs::path(TAVRIN_SOURCE_DIR) / "help";
    platform.onDialog("TTutorialForm", [&](QDialog& dialog) {
        auto& form = static_cast<TTutorialForm&>(dialog);
        EXPECT_EQ(form.windowTitle(), Shown(state.programFolder / "DRAVLEN.RTF"));
        EXPECT_TRUE(form.RichEdit1->toPlainText().contains("Multiple Choice"));
        form.Quit1->trigger();
    });
    OpenProgramTutorial(platform, state, nullptr);
}

} // namespace
} // namespace tavrin
