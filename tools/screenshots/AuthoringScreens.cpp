#include <QApplication>
#include <QTextEdit>
#include <filesystem>

#include "core/files/FileIO.h"
#include "support/GuiTestSupport.h"
#include "tests/core/QuizFolders.h"
#include "ui/hyper/TInfoMenuForm.h"
#include "ui/hyper/TextEntry.h"
#include "ui/present/program/TIntroEntryForm.h"
#include "ui/present/program/TProgConfigForm.h"

// Pictures of the authoring dialogs for the README. Runs only when
// TAVRIN_SCREENSHOT_DIR names a folder.
namespace tavrin::test {
namespace {

class AuthoringScreens : public GuiTest {
protected:
    void SetUp() override {
        const QString folder = qEnvironmentVariable("TAVRIN_SCREENSHOT_DIR");
        if (folder.isEmpty())
            GTEST_SKIP() << "TAVRIN_SCREENSHOT_DIR names no folder";
        folder_ = folder;
    }

    void save(QWidget& form, const char* name, bool fitContents = false) {
        if (fitContents)
            form.adjustSize();
        QApplication::processEvents();
        EXPECT_TRUE(form.grab().save(folder_ + "/" + name));
    }

    QString folder_;
    QuizFolders folders;
};

TEST_F(AuthoringScreens, ProgramConfigurationAndIntroduction) {
    ProgramScreens screens;
    InitButtonTexts(screens);
    ProgramWindow window;
    IntroScreenDesign intro = DefaultIntroScreenDesign();
    intro.setUseTitleBar(true);
    intro.setTitleBarText("Rivers of Europe");
    intro.setTitleBarFont("16 16777215 1 Times New Roman");
    intro.setTitleBarColour(0x00804000);
    screens.setIntroScreen(intro);
    window.setProgramTitle("Rivers of Europe");
    window.setBackgroundColour(0x00C08040);
    std::vector<std::string> text = {
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs28 {\\b Welcome!}\\par",
        "Match each river to the country it flows through.\\par}"};
    platform.onDialog("TIntDispForm", [&](QDialog& screen) {
        save(screen, "introduction-learner.png");
        screen.reject();
    });
    platform.onDialog("TIntroEntryForm", [&](QDialog& editor) {
        editor.resize(640, 440);
        save(editor, "introduction-editor.png");
        click(editor, "ViewBtn");
        click(editor, "OKBtn");
    });
    platform.onDialog("TProgConfigForm", [&](QDialog& form) {
        typeInto(form, "TitleEdit", "Rivers of Europe");
        setChecked(form, "IntroCheck", true);
        setChecked(form, "AboutCheck", true);
        save(form, "program-configuration.png");
        click(form, "CancelBtn");
    });
    EXPECT_FALSE(
        ConfigureProgram(platform, folders.quiz, folders.quiz / "QUIZ.QAR", screens, window));
    EXPECT_TRUE(EditIntroduction(platform, folders.quiz, screens, window, text));
}

TEST_F(AuthoringScreens, InformationMenuPickerAndEditor) {
    for (const char* name : {"harbour.jpg", "lighthouse.bmp", "map.jpg"})
        WriteFileAtomically(folders.quiz / name, std::string("x"));
    platform.onDialog("TInfoMenuForm", [&](QDialog& menu) {
        setChecked(menu, "RadioButton2", true);
        save(menu, "hyper-information-menu.png", true);
        click(menu, "Button2");
        click(menu, "CancelBtn");
    });
    platform.onDialog("TGetGraphicForm", [&](QDialog& picker) {
        typeInto(picker, "DurationEdit", "50");
        save(picker, "hyper-graphic-picker.png", true);
        click(picker, "CancelBtn");
    });
    platform.onDialog("THypEntryForm", [&](QDialog& editor) {
        auto* edit = findChild<QTextEdit>(editor, "RichEdit1");
        edit->setHtml("<p><b>Lighthouses</b></p><p>The first lighthouse on this coast was lit in "
                      "<i>1791</i>.</p>");
        editor.resize(640, 440);
        save(editor, "hyper-text-editor.png", true);
        click(editor, "CancelBtn");
    });
    EXPECT_FALSE(RunInformationMenu(platform, folders.quiz / "QUIZ.TIR", folders.quiz, "Q1"));
    std::vector<std::string> lines;
    ViewPortDesign design = DefaultViewPortDesign();
    EditHypertext(platform, folders.quiz, design, lines, 1);
}

} // namespace
} // namespace tavrin::test
