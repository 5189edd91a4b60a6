// A quiz goes the whole way to a learner: built and distributed with the
// core routines, the distribution folder moved away from the quiz folder,
// then played by the real player programs as child processes, answered by
// the scripted learner.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcessEnvironment>
#include <filesystem>
#include <fstream>

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
        EXPECT_TRUE(PrepareDistribution(request).copied);
        const fs::path learner = root / "learner" / name;
        fs::create_directories(learner.parent_path());
        fs::copy(request.destination, learner, fs::copy_options::recursive);
        fs::remove_all(request.destination);
        return learner;
    }

    test::PlayerRun play(const fs::path& program, const QStringList& arguments,
                         const fs::path& workingFolder) const {
        QProcessEnvironment extra;
        extra.insert(QStringLiteral("TAVRIN_PLAYER_SCRIPT"),
                     QString::fromStdString((root / "answers.txt").string()));
        return test::RunPlayerProcess(program, arguments, workingFolder, extra);
    }

    // The learner's results, beside the program: 2 of 3, RIVER the wrong one.
    static void expectTwoOfThree(const fs::path& resultsFile) {
        const std::vector<std::string> lines = SplitLines(ReadFileText(resultsFile));
        ASSERT_EQ(lines.size(), 12u) << resultsFile;
        EXPECT_EQ(lines[3], "Questions Correct = 2");
        EXPECT_EQ(lines[11], "RIVER");
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
    BuildExecutableQuiz(files, settings, kProgramFolder / "dravlen.bin");
    const fs::path withExecutable = distributeAndMove(true, "exe");
    const fs::path withRunner = distributeAndMove(false, "compiled");
    fs::remove_all(root / "authoring");

    // The executable quiz started from another folder, the runner given the
    // compiled quiz: each finds its media and writes its results beside itself.
    expectPlayedThrough(play(withExecutable / "DEMO.EXE", {}, root));
    expectTwoOfThree(withExecutable / "DEMO.TID");
    expectPlayedThrough(play(withRunner / "vorlandt.exe", {"DEMO.TIC"}, withRunner));
    expectTwoOfThree(withRunner / "DEMO.TID");
}

} // namespace
} // namespace tavrin
