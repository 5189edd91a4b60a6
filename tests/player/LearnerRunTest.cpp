// A quiz goes the whole way to a learner: built and distributed with the
// core routines, the distribution folder moved away from the quiz folder,
// then played by the real player programs as child processes, answered by
// the scripted learner.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <QProcessEnvironment>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "PlayerRunSupport.h"
#include "core/build/CompiledQuizBuilder.h"
#include "core/build/Distribution.h"
#include "core/files/FileIO.h"
#include "core/files/TextLines.h"
#include "core/questions/QuestionFile.h"
#include "core/questions/TTMRecord.h"
#include "core/settings/ViewPortDesign.h"
#include "core/topics/TopicFile.h"
#include "tests/core/QuestionRecords.h"
#include "tests/core/TempFolder.h"

namespace tavrin {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

const fs::path kProgramFolder = TAVRIN_PROGRAM_DIR;

// CITY is right, RIVER wrong, PEAK right: 2 of 3, whatever the order.
const char* const kScript = "[river] the Thames\n"
                            "[CITY] It is Paris\r\n"
                            "Mont Blanc\n";

class LearnerRunTest : public ::testing::Test {
protected:
    LearnerRunTest() {
        quizFolder = root / "authoring" / "DEMO";
        fs::create_directories(quizFolder);
        files = QuizFileSet::named(quizFolder, QuizKind::TI, "DEMO.TIJ");
        writeQuiz();
        std::ofstream(root / "answers.txt", std::ios::binary) << kScript;
    }

    void writeQuiz() {
        InitQuizSettings(settings);
        settings.setUseTitleBar(true);
        settings.setTitleBarText("Rivers and Mountains");
        settings.setSaveResultsToDisk(true);
        settings.setTakeAllQuestions(false);
        SaveQuizSettings(quizFolder / "DEMO.TIJ", settings);

        QuestionFile questions(quizFolder / "DEMO.TIQ", QuizKind::TI);
        addQuestion(questions, "CITY", "Which city lies on the Seine?", "Paris", true);
        addQuestion(questions, "RIVER", "Which river flows through Paris?", "Seine", true);
        addQuestion(questions, "PEAK", "Which is the highest peak of the Alps?", "Blanc", false);

        QImage map(2, 2, QImage::Format_RGB32);
        map.fill(Qt::blue);
        ASSERT_TRUE(map.save(QString::fromStdString((quizFolder / "MAP.BMP").string()), "BMP"));
        const fs::path topics = quizFolder / "DEMO.TIR";
        AppendCommandTopic(topics, "CITY", 2, "MAP.BMP,0", "HYPER");
        AppendDisplayTopic(topics, "RIVER", 1, DefaultViewPortDesign(),
                           {R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}})",
                            R"(\pard\f0\fs24 The \b Seine\b0  flows through Paris.\par)", "}"},
                           "HYPER");
    }

    static void addQuestion(QuestionFile& questions, const std::string& id,
                            const std::string& question, const std::string& match,
                            bool information) {
        TTMRecord record = TIQuestion(id, question, {match}, match);
        record.setHasInformation(information);
        questions.WriteQuestion(QuestionFile::kAppend, record);
    }

    // Prepares a distribution folder and moves a copy of it where nothing
    // of the quiz folder can be reached.
    fs::path distributeAndMove(bool executable, const std::string& name) {
        DistributionRequest request;
        request.files = files;
        request.settings = settings;
        request.programFolder = kProgramFolder;
        request.destination = root / ("made-" + name);
        request.executable = executable;
        const DistributionOutcome outcome = PrepareDistribution(request);
        EXPECT_TRUE(outcome.copied);
        const fs::path learner = root / "learner" / name;
        fs::create_directories(learner.parent_path());
        fs::copy(request.destination, learner, fs::copy_options::recursive);
        fs::remove_all(request.destination);
        return learner;
    }

    static std::set<std::string> filesIn(const fs::path& folder) {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.insert(entry.path().filename().string());
        return names;
    }

    test::PlayerRun play(const fs::path& program, const QStringList& arguments,
                         const fs::path& workingFolder) const {
        QProcessEnvironment extra;
        extra.insert(QStringLiteral("TAVRIN_PLAYER_SCRIPT"),
                     QString::fromStdString((root / "answers.txt").string()));
        return test::RunPlayerProcess(program, arguments, workingFolder, extra);
    }

    // The learner's results: 2 of 3, the right ones in asking order.
    static void expectTwoOfThree(const fs::path& resultsFile) {
        ASSERT_TRUE(fs::exists(resultsFile)) << resultsFile;
        const Bytes bytes = ReadFileBytes(resultsFile);
        const std::string text(bytes.begin(), bytes.end());
        ASSERT_TRUE(text.ends_with("WRONG\r\nRIVER\r\n")) << text;
        const std::vector<std::string> lines = SplitLines(text);
        ASSERT_EQ(lines.size(), 12u) << text;
        EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 7),
                  (std::vector<std::string>{"Rivers and Mountains", "", "Questions Answered = 3",
                                            "Questions Correct = 2", "Percentage Correct = 66%", "",
                                            "CORRECT"}));
        EXPECT_EQ((std::set<std::string>{lines[7], lines[8]}),
                  (std::set<std::string>{"CITY", "PEAK"}));
        EXPECT_EQ(lines[9], "");
        EXPECT_EQ(lines[10], "WRONG");
    }

    static void expectPlayedThrough(const test::PlayerRun& run) {
        ASSERT_TRUE(run.finished) << run.errors.toStdString()
                                  << run.report.join('\n').toStdString();
        EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
        EXPECT_TRUE(run.linesStartingWith("error: ").isEmpty())
            << run.report.join('\n').toStdString();
        const QStringList screens = run.linesStartingWith("screen: ");
        ASSERT_FALSE(screens.isEmpty());
        EXPECT_EQ(screens.front(), "screen: TQTotakeForm \"\"");
        EXPECT_EQ(screens.filter("TTIDispForm").size(), 3) << screens.join('\n').toStdString();
        // Both pieces of information were shown from the learner's folder.
        EXPECT_EQ(screens.filter("TShowMultForm").size(), 1);
        EXPECT_EQ(screens.filter("TShowHTextForm").size(), 1);
        EXPECT_EQ(screens.filter("TResultsForm").size(), 1);
        EXPECT_TRUE(run.report.contains("info: The Quiz results have been saved to DEMO.TID"));
    }

    TempFolder temp;
    const fs::path root = temp.path();
    fs::path quizFolder;
    QuizFileSet files;
    QuizSettings settings;
};

TEST_F(LearnerRunTest, DistributedQuizIsPlayedByBothPlayersAwayFromTheQuizFolder) {
    // Both players go out with every quiz, so they are handed out stripped.
    constexpr std::uintmax_t kStrippedPlayerLimit = 4 << 20;
    EXPECT_LT(fs::file_size(kProgramFolder / "dravlen.bin"), kStrippedPlayerLimit);
    EXPECT_LT(fs::file_size(kProgramFolder / "vorlandt.exe"), kStrippedPlayerLimit);
    const fs::path executable =
        BuildExecutableQuiz(files, settings, kProgramFolder / "dravlen.bin");
    const Bytes compiled = ReadFileBytes(quizFolder / "DEMO.TIC");
    const Bytes built = ReadFileBytes(executable);
    ASSERT_GT(built.size(), compiled.size());
    EXPECT_TRUE(std::equal(compiled.begin(), compiled.end(), built.end() - compiled.size()));
    EXPECT_EQ(Bytes(built.begin(), built.end() - compiled.size()),
              ReadFileBytes(kProgramFolder / "dravlen.bin"));

    const fs::path withExecutable = distributeAndMove(true, "exe");
    const fs::path withRunner = distributeAndMove(false, "compiled");
    fs::remove_all(root / "authoring");
    EXPECT_EQ(filesIn(withExecutable), (std::set<std::string>{"DEMO.EXE", "MAP.BMP"}));
    EXPECT_EQ(filesIn(withRunner), (std::set<std::string>{"DEMO.TIC", "MAP.BMP", "vorlandt.exe"}));
    EXPECT_EQ(ReadFileBytes(withExecutable / "DEMO.EXE"), built);
    // The learner starts the programs straight from the folder.
    EXPECT_EQ(::access((withExecutable / "DEMO.EXE").c_str(), X_OK), 0);
    EXPECT_EQ(::access((withRunner / "vorlandt.exe").c_str(), X_OK), 0);
    EXPECT_NE(::access((withRunner / "DEMO.TIC").c_str(), X_OK), 0);

    {
        SCOPED_TRACE("executable quiz, started from another folder");
        const auto run = play(withExecutable / "DEMO.EXE", {}, root);
        expectPlayedThrough(run);
        expectTwoOfThree(withExecutable / "DEMO.TID");
    }
    {
        SCOPED_TRACE("quiz runner given the compiled quiz");
        const auto run = play(withRunner / "vorlandt.exe", {"DEMO.TIC"}, withRunner);
        expectPlayedThrough(run);
        expectTwoOfThree(withRunner / "DEMO.TID");
    }
}

TEST_F(LearnerRunTest, MissingScriptStopsThePlayerBeforeAnyWindow) {
    QProcessEnvironment extra;
    const fs::path script = root / "none.txt";
    extra.insert(QStringLiteral("TAVRIN_PLAYER_SCRIPT"), QString::fromStdString(script.string()));
    const auto run = test::RunPlayerProcess(
        kProgramFolder / "vorlandt.exe",
        {QString::fromStdString(files.besideQuiz(".TIC").string())}, root, extra);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.report.isEmpty());
    EXPECT_TRUE(run.errors.contains(QString::fromStdString(script.string())))
        << run.errors.toStdString();
}

} // namespace
} // namespace tavrin
