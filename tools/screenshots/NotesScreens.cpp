#include <QApplication>

#include "core/files/FileIO.h"
#include "support/GuiTestSupport.h"
#include "tests/core/QuizFolders.h"
#include "ui/notes/THNotesForm.h"
#include "ui/notes/TTutorialForm.h"

// Pictures of the notes editor and the tutorial viewer for the README. Runs
// only when TAVRIN_SCREENSHOT_DIR names a folder.
namespace tavrin::test {
namespace {

class NotesScreens : public GuiTest {
protected:
    void SetUp() override {
        folder_ = qEnvironmentVariable("TAVRIN_SCREENSHOT_DIR");
        if (folder_.isEmpty())
            GTEST_SKIP() << "TAVRIN_SCREENSHOT_DIR names no folder";
    }

    void save(QDialog& form, const char* name) {
        form.resize(640, 440);
        QApplication::processEvents();
        EXPECT_TRUE(form.grab().save(folder_ + "/" + name));
        form.reject();
    }

    QString folder_;
    QuizFolders folders;
};

TEST_F(NotesScreens, NotesEditorAndTutorial) {
    const auto notes = folders.quiz / "RIVERS.TXT";
    WriteFileAtomically(notes, "Well done!\r\nThe Danube flows through ten countries, more than "
                               "any other river in the world.\r\nRevise the Rhine before the "
                               "next quiz.\r\n");
    platform.onDialog("THNotesForm", [&](QDialog& form) { save(form, "notes-editor.png"); });
    ShowNotes(platform, QString::fromStdString(notes.string()));

    platform.onDialog("TTutorialForm", [&](QDialog& form) { save(form, "tutorial.png"); });
    ShowTutorial(platform, QStringLiteral(TAVRIN_SOURCE_DIR "/help/DRAVLEN.RTF"));
}

} // namespace
} // namespace tavrin::test
