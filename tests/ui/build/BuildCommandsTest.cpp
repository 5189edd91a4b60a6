#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <filesystem>

#include "BuildQuizFixture.h"
#include "core/build/ExecutableQuiz.h"
#include "core/files/FileIO.h"
#include "ui/build/BuildCommands.h"

namespace tavrin {
namespace {

namespace fs = std::filesystem;
using test::BuildQuizTest;

// Fills the distribution form: the destination typed in, the executable kind, OK.
ScriptedPlatform::DialogHandler ChooseFolder(const fs::path& folder) {
    return [folder](QDialog& form) {
        test::typeInto(form, "Edit1", QString::fromStdString(folder.string()));
        test::findChild<QRadioButton>(form, "RadioButton2")->setChecked(true);
        test::click(form, "BitBtn1");
    };
}

const QString kCompiled =
    "The Quiz DEMO.QAC has been created\r\n\r\nTo run it use VORLANDT.EXE DEMO.QAC";
const QString kTryIt =
    "The Executable Quiz DEMO.EXE has been created.\n\r\n\rDo you want to try it now?";
const QString kIncludeTool =
    "Do you want to include the executable program tool. See Help for information";

using CompileCommandTest = BuildQuizTest;

TEST_F(CompileCommandTest, WritesTheCompiledQuizAndNamesTheRunner) {
    platform.expectInfo(kCompiled);
    EXPECT_TRUE(CompileQuizCommand(platform, state));
    EXPECT_EQ(fs::file_size(state.quizFolder / "DEMO.QAC"), 4974u + 2 * 217u);
}

using ExecutableCommandTest = BuildQuizTest;

TEST_F(ExecutableCommandTest, BuildsItAndStartsItOnYesOrSaysWhyNot) {
    installStub();
    platform.expectYesNo(kTryIt, false);
    EXPECT_TRUE(CreateExecutableCommand(platform, state));
    EXPECT_TRUE(fs::exists(state.quizFolder / "DEMO.QAC")) << "compiled on the way";

    platform.expectYesNo(kTryIt, true);
    platform.expectRunProgram({true, 0, {}});
    EXPECT_TRUE(CreateExecutableCommand(platform, state));
    EXPECT_EQ(platform.lastWorkingFolder().toStdString(), state.quizFolder.string());

    platform.expectYesNo(kTryIt, true);
    platform.expectRunProgram({false, 0, "Permission denied"});
    platform.expectError("Unable to start DEMO.EXE: Permission denied");
    EXPECT_TRUE(CreateExecutableCommand(platform, state));
}

// A compiled file that cannot be written is reported by name and nothing is
// claimed; without the compiled file no executable is made.
TEST_F(ExecutableCommandTest, ACompiledFileThatCannotBeWrittenIsNamedAndNothingIsMade) {
    const auto named = [](const fs::path& file, const char* reason) {
        return QString::fromStdString(file.string()) + reason;
    };
    installStub();
    fs::remove(state.quizFolder / "DEMO.QAC");
    fs::create_directory(state.quizFolder / "DEMO.QAC"); // cannot be replaced by a file
    const QString unwritable =
        named(state.quizFolder / "DEMO.QAC", ": cannot replace: Is a directory");
    platform.expectError(unwritable);
    EXPECT_FALSE(CompileQuizCommand(platform, state));
    platform.expectError(unwritable);
    platform.expectError("Unable to create the Executable Quiz.");
    EXPECT_FALSE(CreateExecutableCommand(platform, state));
    EXPECT_FALSE(fs::exists(state.quizFolder / "DEMO.EXE"));
}

class DistributionCommandTest : public BuildQuizTest {
protected:
    fs::path destination() const { return root / "learners"; }
};

TEST_F(DistributionCommandTest, TheQuizFolderIsRefusedAndTheFormStaysOpenUntilCancel) {
    platform.onDialog("TDistribForm", [this](QDialog& form) {
        test::typeInto(form, "Edit1", QString::fromStdString(state.quizFolder.string()));
        test::click(form, "BitBtn1");
        EXPECT_TRUE(form.isVisible());
        test::click(form, "BitBtn2");
    });
    platform.expectError("Files cannot be copied to Project directory.");
    EXPECT_FALSE(PrepareDistributionCommand(platform, state));
}

TEST_F(DistributionCommandTest, ExecutableQuizAndAcceptedProgram) {
    installStub();
    writeFile(state.quizFolder / "tool", "program");
    addTopic("Q1", 4, "tool");
    platform.expectYesNo(kTryIt, false);
    ASSERT_TRUE(CreateExecutableCommand(platform, state));
    const fs::path inside = destination() / "deeper"; // made on the way
    platform.onDialog("TDistribForm", ChooseFolder(inside));
    platform.expectYesNoHelp(kIncludeTool, true);
    platform.expectInfo(QString::fromStdString("All the files have been copied to the Directory " +
                                               (inside / "").string()));
    EXPECT_TRUE(PrepareDistributionCommand(platform, state));
    EXPECT_TRUE(fs::exists(inside / "tool"));
    EXPECT_TRUE(fs::exists(inside / "DEMO.EXE"));
    EXPECT_FALSE(fs::exists(inside / "DEMO.QAC"));
}

class WebQuizCommandTest : public BuildQuizTest {
protected:
    WebQuizCommandTest() {
        fs::create_directories(state.programFolder / "web");
        for (const char* name : {"index.html", "player.js", "player.css"})
            writeFile(state.programFolder / "web" / name, name);
    }

    // Chooses "Web Quiz" in the distribution form, the package as told.
    ScriptedPlatform::DialogHandler ChooseWebQuiz(bool scorm) {
        return [this, scorm](QDialog& form) {
            test::typeInto(form, "Edit1", QString::fromStdString(destination().string()));
            auto* package = test::findChild<QCheckBox>(form, "CheckBox1");
            EXPECT_FALSE(package->isEnabled());
            test::click(form, "RadioButton3");
            EXPECT_TRUE(package->isEnabled());
            package->setChecked(scorm);
            test::click(form, "BitBtn1");
        };
    }

    fs::path destination() const { return root / "web quiz"; }
    static QString report(const std::string& last) {
        return QString::fromStdString("copied index.html\r\ncopied player.css\r\n"
                                      "copied player.js\r\ncopied pic.bmp to media/pic.bmp\r\n"
                                      "wrote quiz-data.js\r\n" +
                                      last);
    }
};

TEST_F(WebQuizCommandTest, TheFolderAndThePackageAreWrittenAndReported) {
    addTopic("Q2", 2, "pic.bmp,5");
    writeFile(state.quizFolder / "pic.bmp", "picture");
    platform.onDialog("TDistribForm", ChooseWebQuiz(false));
    platform.expectInfo(report("The web quiz has been written to " + destination().string()));
    EXPECT_TRUE(PrepareDistributionCommand(platform, state));
    for (const char* name : {"index.html", "quiz-data.js", "media/pic.bmp"})
        EXPECT_TRUE(fs::is_regular_file(destination() / name)) << name;

    const fs::path package = destination() / "DEMO.zip";
    platform.onDialog("TDistribForm", ChooseWebQuiz(true));
    platform.expectInfo(report("wrote the SCORM package " + package.string() +
                               " (6 files)\r\nThe SCORM package has been written to " +
                               package.string()));
    EXPECT_TRUE(PrepareDistributionCommand(platform, state));
    EXPECT_TRUE(fs::is_regular_file(package));
}

} // namespace
} // namespace tavrin
