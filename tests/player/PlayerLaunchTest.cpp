#include <QDialog>
#include <filesystem>
#include <optional>

#include "core/build/CompiledQuizBuilder.h"
#include "core/build/ExecutableQuiz.h"
#include "core/files/FileIO.h"
#include "player/PlayerLaunch.h"
#include "ui/build/BuildQuizFixture.h"

namespace tavrin {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

const fs::path kBuiltStub = fs::path(TAVRIN_PROGRAM_DIR) / "dravlen.bin";

class PlayerLaunchTest : public test::BuildQuizTest {
protected:
    fs::path compile() {
        return CompileQuiz(QuizFileSet::named(state.quizFolder, state.quizKind,
                                              state.quizFile.filename().string()),
                           state.settings);
    }
    // The refusal a player shows for a file it cannot play, and why.
    static QString refusal(const fs::path& file, const std::string& reason) {
        const QString name = QString::fromStdString(file.string());
        return "The quiz in " + name + " cannot be played.\n" + name + ": " +
               QString::fromStdString(reason);
    }
    QuizToPlay openCompiled(const fs::path& file) {
        return OpenQuizToPlay(platform, PlayerProgram::kQuizRunner,
                              {QString::fromStdString(file.string())}, {});
    }
};

TEST_F(PlayerLaunchTest, CompiledQuizNamedOnTheCommandLineOrPickedIsOpened) {
    const fs::path compiled = compile();
    const QuizToPlay quiz = openCompiled(compiled);
    ASSERT_TRUE(quiz.source);
    EXPECT_EQ(quiz.source->questionRecords().size(), 2u);
    EXPECT_EQ(quiz.source->mediaFolder(), state.quizFolder) << "media and results beside it";
    EXPECT_EQ(quiz.quizFile, state.quizFolder / "DEMO.QAJ");

    // Without an argument the runner asks; a cancel ends quietly.
    platform.expectOpenFile(std::nullopt);
    const QuizToPlay none = OpenQuizToPlay(platform, PlayerProgram::kQuizRunner, {}, {});
    EXPECT_FALSE(none.source);
    EXPECT_FALSE(none.refused);
    platform.expectOpenFile(QString::fromStdString(compiled.string()));
    EXPECT_TRUE(OpenQuizToPlay(platform, PlayerProgram::kQuizRunner, {}, {}).source);
}

// Why a compiled quiz is damaged is the reader's to say; the player names the
// file, and says what a file of the wrong sort is.
TEST_F(PlayerLaunchTest, FilesThatCannotBePlayedAreRefusedNamingThem) {
    const fs::path damaged = state.quizFolder / "BAD.QAC";
    WriteFileAtomically(damaged, Bytes(100, 0));
    const fs::path executable = state.quizFolder / "DEMO.EXE";
    WriteExecutableQuiz(kBuiltStub, compile(), executable);
    const fs::path missing = state.quizFolder / "NONE.QAC";
    Bytes cutStub = ReadFileBytes(kBuiltStub);
    Bytes quiz = ReadFileBytes(compile());
    cutStub.insert(cutStub.end(), quiz.begin(), quiz.end() - 1);
    const fs::path cutExecutable = state.quizFolder / "CUT.EXE";
    WriteFileAtomically(cutExecutable, cutStub);
    const struct {
        PlayerProgram program;
        fs::path file;
        QString message;
    } cases[] = {
        {PlayerProgram::kQuizRunner, damaged,
         refusal(damaged, "not a compiled quiz: 100 bytes, at least 4974 expected")},
        {PlayerProgram::kQuizRunner, missing,
         refusal(missing, "cannot open: No such file or directory")},
        {PlayerProgram::kQuizRunner, executable,
         "DEMO.EXE is an executable quiz, not a compiled quiz.\nStart it on its own; the quiz "
         "runner plays NAME.QAC, NAME.TIC or NAME.MCC."},
        {PlayerProgram::kRunnerStub, kBuiltStub,
         "dravlen.bin holds no quiz.\nAn executable quiz is made with \"Create Executable\" in "
         "the quiz manager."},
        {PlayerProgram::kRunnerStub, cutExecutable,
         refusal(cutExecutable, "2 question records of 217 bytes do not fit after offset 4974 "
                                "in 5407 bytes")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.string());
        platform.expectError(c.message);
        const QuizToPlay played =
            c.program == PlayerProgram::kQuizRunner
                ? openCompiled(c.file)
                : OpenQuizToPlay(platform, PlayerProgram::kRunnerStub, {}, c.file);
        EXPECT_FALSE(played.source);
        EXPECT_TRUE(played.refused);
    }
}

} // namespace
} // namespace tavrin
