// Times compiling, building the executable, distributing, the web export and the single
// question and topic operations on a large quiz as a user runs them: each a
// fresh process (tavrin-cli, or tavrin_bench_op for the single operations),
// in turns with cat or cp of the same bytes as a process. Prints the median of the
// runs, the ratio and each process's peak memory; compile and build-exe are
// also run on a quiz ten times the size, to show that memory does not grow.
//
// Usage: tavrin_build_bench [RUNS] [STUB]   (default 7 runs; the stub defaults
// to dravlen.bin in the program folder beside tavrin-cli)
//        tavrin_build_bench --write FOLDER [SCALE]   only writes the quiz, for
//        profiling one command by hand
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "BenchQuiz.h"
#include "ProcessTimer.h"

namespace {

namespace fs = std::filesystem;
using namespace tavrin;
using namespace tavrin::bench;

constexpr double kNoGoal = 0;

struct Row {
    std::string operation;
    ProcessFigures tool;
    std::string baseline;
    ProcessFigures copy;
    double goal;
};

struct BenchQuiz {
    fs::path folder;
    QuizFileSet files;
    fs::path quizFile() const { return folder / files.quizFile; }
    fs::path questions() const { return folder / files.questionFile; }
    fs::path topics() const { return folder / files.topicFile; }
    std::vector<std::string> sources() const {
        return {quizFile().string(), topics().string(), questions().string()};
    }
};

BenchQuiz writeQuiz(const fs::path& folder, int scale) {
    BenchQuizShape shape;
    shape.questions *= scale;
    shape.topics *= scale;
    return {folder, WriteBenchQuiz(folder, shape)};
}

std::vector<std::string> joined(std::vector<std::string> first,
                                const std::vector<std::string>& rest) {
    first.insert(first.end(), rest.begin(), rest.end());
    return first;
}

void restore(const fs::path& pristine, const fs::path& target) {
    fs::copy_file(pristine, target, fs::copy_options::overwrite_existing);
}

ProcessCommand Command(std::vector<std::string> argv, std::string standardOutput = {}) {
    return {std::move(argv), std::move(standardOutput)};
}

void freshFolder(const fs::path& folder) {
    fs::remove_all(folder);
    fs::create_directories(folder);
}

double megabytes(const fs::path& file) {
    return static_cast<double>(fs::file_size(file)) / 1e6;
}

class Bench {
public:
    Bench(fs::path programFolder, fs::path stub, int runs)
        : cli_((programFolder / "tavrin-cli").string()), stub_(std::move(stub)), runs_(runs) {}

    // compile and build-exe of `quiz`, each beside cat of the same bytes.
    void buildRows(const BenchQuiz& quiz, const fs::path& copyOut, const std::string& label) {
        const std::string quizFile = quiz.quizFile().string();
        const std::string out = copyOut.string();
        compare("compile" + label, Command({cli_, "compile", quizFile}), {},
                "cat quiz+topics+questions", Command(joined({"cat"}, quiz.sources()), out), {},
                1.5);
        const ProcessCommand buildExe =
            Command({cli_, "build-exe", quizFile, "--stub", stub_.string()});
        // For reference only: build-exe must write the compiled quiz and then
        // the executable that holds it again, twice the bytes of this one cat.
        compare("build-exe" + label, buildExe, {}, "cat stub+quiz+topics+questions",
                Command(joined({"cat", stub_.string()}, quiz.sources()), out), {}, kNoGoal);
        // The bytes build-exe writes: the compiled quiz and the executable.
        std::string both = "cat";
        for (const auto& source : quiz.sources())
            both += " '" + source + "'";
        both +=
            " > '" + out + "'; cat '" + stub_.string() + "'" + both.substr(3) + " > '" + out + "2'";
        compare("build-exe" + label, buildExe, {}, "sh: cat to both outputs",
                Command({"sh", "-c", both}), {}, 1.5);
    }

    void distributeRow(const BenchQuiz& quiz, const fs::path& work, int mediaFiles) {
        const fs::path destination = work / "dist";
        const fs::path cpDestination = work / "cpdist";
        std::vector<std::string> copied = {"cp"};
        for (int i = 0; i < mediaFiles; ++i)
            copied.push_back((quiz.folder / BenchMediaName(i)).string());
        copied.push_back((quiz.folder / "BENCH.EXE").string());
        copied.push_back(cpDestination.string());
        compare(
            "distribute --exe (+200 media)",
            Command({cli_, "distribute", quiz.quizFile().string(), destination.string(), "--exe"}),
            [&] { fs::remove_all(destination); }, "cp the same files", Command(copied),
            [&] { freshFolder(cpDestination); }, 1.5);
    }

    // export-web of the compiled quiz beside cp of the bytes it is made of:
    // the compiled quiz to the data file, the player, the media.
    void webExportRow(const BenchQuiz& quiz, const fs::path& work, const fs::path& playerFolder,
                      int mediaFiles) {
        const fs::path destination = work / "web";
        const fs::path cpDestination = work / "cpweb";
        const std::string compiled = "'" + (quiz.folder / "BENCH.TIC").string() + "'";
        std::string copy = "cp " + compiled + " '" + cpDestination.string() +
                           "/quiz-data.js' && cp '" + playerFolder.string() + "'/* '" +
                           cpDestination.string() + "' && mkdir '" + cpDestination.string() +
                           "/media' && cp";
        for (int i = 0; i < mediaFiles; ++i)
            copy += " '" + (quiz.folder / BenchMediaName(i)).string() + "'";
        copy += " '" + cpDestination.string() + "/media'";
        compare(
            "export-web (+200 media)",
            Command(
                {cli_, "export-web", (quiz.folder / "BENCH.TIC").string(), destination.string()}),
            [&] { fs::remove_all(destination); }, "sh: cp the same bytes",
            Command({"sh", "-c", copy}), [&] { freshFolder(cpDestination); }, 3);
    }

    // The single operations, each on a file restored before every run.
    void singleRows(const BenchQuiz& quiz, const fs::path& op, const fs::path& work) {
        const fs::path pristine = work / "pristine";
        fs::create_directories(pristine);
        restore(quiz.questions(), pristine / "questions");
        restore(quiz.topics(), pristine / "topics");
        const auto questions = [&] { restore(pristine / "questions", quiz.questions()); };
        const auto topics = [&] { restore(pristine / "topics", quiz.topics()); };
        const std::string middle = BenchTopicName(2500);
        const std::string copyOut = (work / "copy.out").string();
        const std::string q = quiz.questions().string();
        const std::string t = quiz.topics().string();
        compare("delete middle question", Command({op.string(), "delete-question", q, "2500"}),
                questions, "cp question file", Command({"cp", q, copyOut}), {}, 3);
        compare("replace middle topic", Command({op.string(), "replace-topic", t, middle}), topics,
                "cp topic file", Command({"cp", t, copyOut}), {}, 3);
        compare("delete middle topic", Command({op.string(), "delete-topic", t, middle}), topics,
                "cp topic file", Command({"cp", t, copyOut}), {}, 3);
        topics();
        compare("find last topic", Command({op.string(), "find-topic", t, BenchTopicName(4999)}),
                {}, "cat topic file", Command({"cat", t}), {}, 3);
    }

    // Prints the table; true when every goal is met.
    bool print() const {
        std::printf(
            "median of %d fresh processes each, tool and copy in turns; peak = the process's "
            "maximum resident set\n\n",
            runs_);
        std::printf("| %-34s | %9s | %7s | %-30s | %9s | %7s | %5s | %s\n", "command", "tavrin s",
                    "peak MB", "copy of the same bytes", "copy s", "peak MB", "ratio", "goal");
        bool allMet = true;
        for (const auto& row : rows_) {
            const double ratio = row.tool.seconds / row.copy.seconds;
            const bool met = row.goal == kNoGoal || ratio <= row.goal;
            allMet = allMet && met;
            char goal[16] = "reference";
            if (row.goal != kNoGoal)
                std::snprintf(goal, sizeof goal, "<=%.1fx", row.goal);
            std::printf("| %-34s | %9.4f | %7.1f | %-30s | %9.4f | %7.1f | %5.2f | %s%s\n",
                        row.operation.c_str(), row.tool.seconds, row.tool.peakMb,
                        row.baseline.c_str(), row.copy.seconds, row.copy.peakMb, ratio, goal,
                        met ? "" : "  MISSED");
        }
        return allMet;
    }

    bool peakMemoryMet(double limitMb) const {
        return std::all_of(rows_.begin(), rows_.end(), [&](const Row& row) {
            const bool built =
                row.operation.starts_with("compile") || row.operation.starts_with("build-exe");
            return !built || row.tool.peakMb < limitMb;
        });
    }

private:
    // One row: the operation and its copy run in turns.
    void compare(std::string operation, const ProcessCommand& tool,
                 const std::function<void()>& toolSetup, std::string baseline,
                 const ProcessCommand& copy, const std::function<void()>& copySetup, double goal) {
        const auto [toolFigures, copyFigures] =
            MeasureInTurns(tool, toolSetup, copy, copySetup, runs_);
        std::fprintf(stderr, "bench: %s done\n", operation.c_str());
        rows_.push_back(
            {std::move(operation), toolFigures, std::move(baseline), copyFigures, goal});
    }

    std::string cli_;
    fs::path stub_;
    int runs_;
    std::vector<Row> rows_;
};

} // namespace

int main(int argc, char** argv) {
    if (argc > 2 && std::string(argv[1]) == "--write") {
        writeQuiz(argv[2], argc > 3 ? std::max(1, std::atoi(argv[3])) : 1);
        return 0;
    }
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const fs::path self = fs::read_symlink("/proc/self/exe");
    const fs::path programFolder = self.parent_path().parent_path() / "program";
    const fs::path stub = argc > 2 ? fs::absolute(argv[2]) : programFolder / "dravlen.bin";
    if (!fs::exists(programFolder / "tavrin-cli") || !fs::exists(stub)) {
        std::fprintf(stderr, "bench: needs %s and %s\n", (programFolder / "tavrin-cli").c_str(),
                     stub.c_str());
        return 2;
    }
    const fs::path work =
        fs::temp_directory_path() / ("tavrin-bench-" + std::to_string(::getpid()));
    std::fprintf(stderr, "bench: writing quizzes of 5000 and 50000 questions and topics\n");
    const BenchQuiz quiz = writeQuiz(work / "quiz", 1);
    const BenchQuiz large = writeQuiz(work / "large", 10);

    Bench bench(programFolder, stub, runs);
    bench.buildRows(quiz, work / "copy.out", "");
    bench.distributeRow(quiz, work, BenchQuizShape{}.mediaFiles);
    bench.webExportRow(quiz, work, programFolder / "web", BenchQuizShape{}.mediaFiles);
    bench.singleRows(quiz, self.parent_path() / "tavrin_bench_op", work);
    bench.buildRows(large, work / "copy.out", " (quiz x10)");

    std::printf("quiz: questions %.1f MB, topics %.1f MB, compiled %.1f MB, stub %.1f MB, "
                "executable %.1f MB\n",
                megabytes(quiz.questions()), megabytes(quiz.topics()),
                megabytes(quiz.folder / "BENCH.TIC"), megabytes(stub),
                megabytes(quiz.folder / "BENCH.EXE"));
    std::printf("quiz x10: questions %.1f MB, topics %.1f MB, compiled %.1f MB\n",
                megabytes(large.questions()), megabytes(large.topics()),
                megabytes(large.folder / "BENCH.TIC"));
    const bool timesMet = bench.print();
    constexpr double kPeakLimitMb = 32;
    const bool memoryMet = bench.peakMemoryMet(kPeakLimitMb);
    std::printf("\npeak memory of compile and build-exe under %.0f MB: %s\n", kPeakLimitMb,
                memoryMet ? "yes" : "NO");
    fs::remove_all(work);
    return timesMet && memoryMet ? 0 : 3;
}
