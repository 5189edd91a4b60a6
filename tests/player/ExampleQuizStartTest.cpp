// Every example quiz that comes with the program becomes an executable quiz
// that starts and opens its first screen.
#include <gtest/gtest.h>

#include <QProcessEnvironment>
#include <filesystem>
#include <optional>

#include "PlayerRunSupport.h"
#include "core/build/CompiledQuizBuilder.h"
#include "core/files/FolderNames.h"
#include "core/questions/QuizKind.h"
#include "tests/core/TempFolder.h"

namespace tavrin {
namespace {

namespace fs = std::filesystem;

const fs::path kProgramFolder = TAVRIN_PROGRAM_DIR;

struct ExampleQuiz {
    fs::path folder;
    QuizKind kind;
    std::string quizFile;
};

std::optional<ExampleQuiz> quizIn(const fs::path& folder) {
    for (const QuizKind kind : {QuizKind::QA, QuizKind::TI, QuizKind::MC}) {
        const std::string mask = std::string("*") + ExtensionsOf(kind).quiz;
        for (const auto& entry : fs::directory_iterator(folder))
            if (MatchesMask(entry.path().filename().string(), mask))
                return ExampleQuiz{folder, kind, entry.path().filename().string()};
    }
    return std::nullopt;
}

// The window a run of this quiz opens first: the count question, unless
// every question is taken, then the display of the quiz's kind.
QString firstScreenOf(const ExampleQuiz& quiz) {
    if (!LoadQuizSettings(quiz.folder / quiz.quizFile).takeAllQuestions())
        return QStringLiteral("TQTotakeForm");
    switch (quiz.kind) {
    case QuizKind::QA:
        return QStringLiteral("TDispQForm");
    case QuizKind::TI:
        return QStringLiteral("TTIDispForm");
    case QuizKind::MC:
        return QStringLiteral("TMCDisplayForm");
    }
    return {};
}

// A player that cannot reach a display says so before any window.
bool noDisplay(const test::PlayerRun& run) {
    return run.report.isEmpty() &&
           (run.errors.contains(QStringLiteral("could not connect to display")) ||
            run.errors.contains(QStringLiteral("no Qt platform plugin")));
}

class ExampleQuizStartTest : public ::testing::Test {
protected:
    TempFolder temp;
    const fs::path root = temp.path();
};

TEST_F(ExampleQuizStartTest, EveryExampleStartsAsAnExecutableQuiz) {
    const fs::path examples = kProgramFolder / "examples";
    if (!fs::is_directory(examples))
        GTEST_SKIP() << "no example quizzes in " << examples;
    QProcessEnvironment firstScreenOnly;
    firstScreenOnly.insert(QStringLiteral("TAVRIN_PLAYER_FIRST_SCREEN"), QStringLiteral("1"));
    int started = 0;
    for (const auto& entry : fs::directory_iterator(examples)) {
        if (!entry.is_directory())
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        // The build's copy stays untouched; the quiz is built in a copy.
        const fs::path folder = root / entry.path().filename();
        fs::copy(entry.path(), folder, fs::copy_options::recursive);
        const auto quiz = quizIn(folder);
        ASSERT_TRUE(quiz) << "no quiz file in " << folder;
        const fs::path executable = BuildExecutableQuiz(
            QuizFileSet::named(folder, quiz->kind, quiz->quizFile),
            LoadQuizSettings(folder / quiz->quizFile), kProgramFolder / "dravlen.bin");

        const auto run = test::RunPlayerProcess(executable, {}, root, firstScreenOnly, 15000);
        if (noDisplay(run))
            GTEST_SKIP() << "no display to show windows on: " << run.errors.toStdString();
        ASSERT_TRUE(run.finished) << run.report.join('\n').toStdString();
        EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
        EXPECT_TRUE(run.linesStartingWith("error: ").isEmpty())
            << run.report.join('\n').toStdString();
        const QStringList screens = run.linesStartingWith("screen: ");
        ASSERT_FALSE(screens.isEmpty()) << run.report.join('\n').toStdString();
        EXPECT_TRUE(screens.front().startsWith("screen: " + firstScreenOf(*quiz) + " \""))
            << screens.front().toStdString();
        ++started;
    }
    EXPECT_GT(started, 0);
}

} // namespace
} // namespace tavrin
