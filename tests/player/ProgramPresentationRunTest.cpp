// An author shapes the quiz program through the presentation dialogs alone,
// builds the executable quiz, and a learner's run of it shows what was chosen.
#include <gtest/gtest.h>

#include <QProcessEnvironment>
#include <QTextEdit>
#include <fstream>

#include "PlayerRunSupport.h"
#include "core/build/CompiledQuizBuilder.h"
#include "core/files/FileIO.h"
#include "core/project/ProjectState.h"
#include "core/topics/TopicFile.h"
#include "support/GuiTestSupport.h"
#include "tests/core/QuestionRecords.h"
#include "tests/core/TempFolder.h"
#include "ui/present/program/TProgConfigForm.h"

namespace tavrin {
namespace {

namespace fs = std::filesystem;
using test::click;
using test::setChecked;
using test::typeInto;

class ProgramPresentationRunTest : public test::GuiTest {
protected:
    ProgramPresentationRunTest() {
        files = QuizFileSet::named(folder.path(), QuizKind::QA, "RIVERS.QAJ");
        state.quizKind = QuizKind::QA;
        state.quizFolder = folder.path();
        state.quizFile = files.quizFolder / files.quizFile;
        state.topicFile = folder / "RIVERS.QAR";
        InitQuizSettings(state.settings);
        SaveQuizSettings(state.quizFile, state.settings);
        QuestionFile(folder / "RIVERS.QAQ", QuizKind::QA)
            .WriteQuestion(QuestionFile::kAppend, QAQuestion("NILE", "Longest river?", "Nile"));
        std::ofstream(folder / "answers.txt", std::ios::binary) << "[NILE] Nile\n";
    }

    void scriptTheAuthor() {
        platform.onDialog("TVPDesignTitleForm", [](QDialog& bar) {
            typeInto(bar, "Edit1", "Before we start");
            click(bar, "OKBtn");
        });
        platform.onDialog("TIntroDesignForm", [](QDialog& design) {
            setChecked(design, "TitleCheck", true);
            click(design, "TitleBtn");
            click(design, "OKBtn");
        });
        platform.onDialog("TIntroEntryForm", [](QDialog& editor) {
            test::findChild<QTextEdit>(editor, "RichEdit1")->setHtml("<b>Welcome</b> learners");
            click(editor, "AdjustBtn");
            click(editor, "OKBtn");
        });
        platform.onDialog("TDesignAboutForm", [](QDialog& about) {
            typeInto(about, "CaptionEdit", "About Rivers");
            click(about, "OKBtn");
        });
        platform.expectColour(0x00FF8000);
        platform.onDialog("TCFGDesignBackForm", [](QDialog& back) {
            click(back, "ColorRadio");
            click(back, "SelectBtn");
            click(back, "OKBtn");
        });
        platform.onDialog("TProgConfigForm", [this](QDialog& form) {
            typeInto(form, "TitleEdit", "Rivers of the World");
            click(form, "BackgroundBtn");
            setChecked(form, "IntroCheck", true);
            click(form, "IntroBtn");
            EXPECT_FALSE(fs::exists(state.topicFile)) << "written only on Save";
            setChecked(form, "AboutCheck", true);
            click(form, "AboutBtn");
            click(form, "SaveBtn");
        });
    }

    TempFolder folder;
    QuizFileSet files;
    ProjectState state;
};

TEST_F(ProgramPresentationRunTest, TheLearnerSeesTheAboutBoxThenTheIntroductionThenTheQuestions) {
    scriptTheAuthor();
    ProgramPresentationCommand(platform, state);

    // The run shows the title and the texts; the colour and the bold text it cannot report.
    const QuizSettings saved = LoadQuizSettings(state.quizFile);
    EXPECT_EQ(saved.programWindow().backgroundColour(), 0x00FF8000u);
    std::vector<std::string> introduction;
    ASSERT_TRUE(ReadIntroduction(state.topicFile, introduction));
    std::string rtf;
    for (const std::string& line : introduction)
        rtf += line;
    EXPECT_NE(rtf.find("\\b"), std::string::npos) << rtf;

    const fs::path exe =
        BuildExecutableQuiz(files, saved, fs::path(TAVRIN_PROGRAM_DIR) / "dravlen.bin");
    QProcessEnvironment extra;
    extra.insert(QStringLiteral("TAVRIN_PLAYER_SCRIPT"),
                 QString::fromStdString((folder / "answers.txt").string()));
    const test::PlayerRun run = test::RunPlayerProcess(exe, {}, folder.path(), extra);
    ASSERT_TRUE(run.finished) << run.errors.toStdString();
    const QStringList screens = run.linesStartingWith(QStringLiteral("screen: "));
    ASSERT_GE(screens.size(), 3) << run.report.join('\n').toStdString();
    EXPECT_EQ(screens[0], "screen: TAboutBox \"About Rivers\"");
    EXPECT_EQ(screens[1], "screen: TIntDispForm \"Rivers of the World\"");
    EXPECT_TRUE(screens[2].startsWith("screen: TDispQForm")) << screens[2].toStdString();
}

} // namespace
} // namespace tavrin
