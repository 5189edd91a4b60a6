// The scripted learner answers choice and match questions as its script
// says, through the ordinary run, whatever order the run picks.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>

#include "core/build/CompiledQuizBuilder.h"
#include "core/files/FileIO.h"
#include "core/files/TextLines.h"
#include "core/questions/QuestionFile.h"
#include "core/questions/TQARecord.h"
#include "core/questions/TTMRecord.h"
#include "core/run/CompiledQuizSource.h"
#include "player/PlayQuiz.h"
#include "player/ScriptedLearner.h"
#include "tests/core/QuestionRecords.h"
#include "tests/core/TempFolder.h"

namespace tavrin {
namespace {

namespace fs = std::filesystem;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

class ScriptedLearnerTest : public ::testing::Test {
protected:
    QuizFileSet startQuiz(QuizKind kind) {
        QuizFileSet files =
            QuizFileSet::named(root, kind, std::string("DEMO") + ExtensionsOf(kind).quiz);
        InitQuizSettings(settings);
        settings.setTakeAllQuestions(true);
        settings.setSaveResultsToDisk(true);
        settings.setTitleBarText("Scripted");
        SaveQuizSettings(files.besideQuiz(ExtensionsOf(kind).quiz), settings);
        return files;
    }

    // Plays the compiled quiz with the script; the report's lines.
    std::vector<std::string> play(const QuizFileSet& files, const QString& script) {
        const CompiledQuizSource source =
            CompiledQuizSource::fromCompiledFile(CompileQuiz(files, settings));
        ScriptedLearner learner(LearnerScript::parse(script), false, report.get());
        EXPECT_TRUE(PlayQuiz(learner, source, files.besideQuiz(ExtensionsOf(files.kind).quiz)));
        std::fflush(report.get());
        std::rewind(report.get());
        std::string text;
        for (int c = std::fgetc(report.get()); c != EOF; c = std::fgetc(report.get()))
            text.push_back(static_cast<char>(c));
        return SplitLines(text);
    }

    std::vector<std::string> resultsLines(const std::string& extension) const {
        return ReadTextLines(root / ("DEMO" + extension));
    }

    TempFolder temp;
    const fs::path root = temp.path();
    QuizSettings settings;
    std::unique_ptr<std::FILE, FileCloser> report{std::tmpfile()};
};

TEST_F(ScriptedLearnerTest, ChoicesAreTakenByTheirText) {
    const QuizFileSet files = startQuiz(QuizKind::MC);
    QuestionFile questions(files.besideQuiz(".MCQ"), QuizKind::MC);
    const char* const items[][3] = {
        {"ONE", "One", "Uno"}, {"TWO", "Two", "Due"}, {"SIX", "Six", "Sei"}};
    for (const auto& item : items)
        questions.WriteQuestion(QuestionFile::kAppend,
                                MCQuestion(item[0], std::string("Which is ") + item[1] + "?",
                                           item[1], {item[2], "None"}));
    const auto shown = play(files, "[one] one\n[TWO] Due\n[SIX] Six\n");
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "screen: TMCDisplayForm \"\""), 3);
    EXPECT_EQ(std::count_if(shown.begin(), shown.end(),
                            [](const std::string& line) { return line.starts_with("error"); }),
              0);
    const auto results = resultsLines(".MCD");
    ASSERT_GE(results.size(), 12u);
    EXPECT_EQ(results[3], "Questions Correct = 2");
    EXPECT_EQ(results[10], "WRONG");
    EXPECT_EQ(results[11], "TWO");
}

TEST_F(ScriptedLearnerTest, MatchPagesPairEveryQuestionWithItsScriptedAnswer) {
    const QuizFileSet files = startQuiz(QuizKind::QA);
    QuestionFile questions(files.besideQuiz(".QAQ"), QuizKind::QA);
    const char* const pairs[][3] = {
        {"RED", "Colour of blood?", "Red"},
        {"BLUE", "Colour of the sky?", "Blue"},
        {"GREEN", "Colour of grass?", "Green"},
    };
    for (const auto& pair : pairs) {
        questions.WriteQuestion(QuestionFile::kAppend, QAQuestion(pair[0], pair[1], pair[2]));
    }
    // BLUE and GREEN swapped.
    const auto shown = play(files, "[red] Red\n[blue] Green\n[green] Blue\n");
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "screen: TDispQForm \"\""), 1);
    const auto results = resultsLines(".QAD");
    ASSERT_GE(results.size(), 11u);
    EXPECT_EQ(results[3], "Questions Correct = 1");
    EXPECT_EQ(results[7], "RED");
}

TEST_F(ScriptedLearnerTest, AnAnswerOnNoChoiceIsReportedAndTheFirstIsTaken) {
    const QuizFileSet files = startQuiz(QuizKind::MC);
    QuestionFile questions(files.besideQuiz(".MCQ"), QuizKind::MC);
    questions.WriteQuestion(QuestionFile::kAppend, MCQuestion("ONLY", "Pick one", "Yes", {"No"}));
    const auto shown = play(files, "Maybe\n");
    EXPECT_NE(std::find(shown.begin(), shown.end(),
                        "error: No choice reads \"Maybe\"; the first is taken"),
              shown.end());
    EXPECT_NE(
        std::find(shown.begin(), shown.end(), "info: The Quiz results have been saved to DEMO.MCD"),
        shown.end());
}

} // namespace
} // namespace tavrin
