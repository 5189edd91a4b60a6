// Times compiling, building the executable, distributing and the single
// question and topic operations on a large quiz, each beside the time that
// cat or cp take for the same bytes in the same run, and prints a table.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

#include "BenchQuiz.h"
#include "core/build/Distribution.h"
#include "core/questions/QuestionFile.h"
#include "core/settings/QuizSettings.h"
#include "core/topics/TopicFile.h"
#include "core/settings/ViewPortDesign.h"

namespace {

namespace fs = std::filesystem;
using namespace tavrin;
using Action = std::function<void()>;

struct Row {
    std::string operation;
    double toolMs;
    std::string baseline;
    double copyMs;
    double goal;
};

// Best of `runs`, each after its own untimed setup.
double bestMs(int runs, const Action& setup, const Action& action) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        setup();
        const auto start = std::chrono::steady_clock::now();
        action();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

std::string q(const fs::path& path) {
    return "'" + path.string() + "'";
}

Action shell(const std::string& command) {
    return [command] {
        if (std::system(command.c_str()) != 0) {
            std::fprintf(stderr, "bench: failed: %s\n", command.c_str());
            std::exit(1);
        }
    };
}

void restore(const fs::path& pristine, const fs::path& target) {
    fs::copy_file(pristine, target, fs::copy_options::overwrite_existing);
}

void freshFolder(const fs::path& folder) {
    fs::remove_all(folder);
    fs::create_directories(folder);
}

double megabytes(const fs::path& file) {
    return static_cast<double>(fs::file_size(file)) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const fs::path work =
        fs::temp_directory_path() / ("tavrin-bench-" + std::to_string(::getpid()));
    const fs::path quiz = work / "quiz";
    std::printf("bench: writing a TI quiz of 5000 questions, 5000 topics, 200 media files\n");
    const QuizFileSet files = bench::WriteBenchQuiz(quiz, bench::BenchQuizShape{});
    const QuizSettings settings = LoadQuizSettings(quiz / files.quizFile);
    const fs::path stub = work / "dravlen.bin";
    fs::copy_file("/proc/self/exe", stub);
    const fs::path questions = quiz / files.questionFile;
    const fs::path topics = quiz / files.topicFile;
    const fs::path pristine = work / "pristine";
    fs::create_directories(pristine);
    restore(questions, pristine / "questions");
    restore(topics, pristine / "topics");
    const Action nothing = [] {};
    const std::string sources = q(quiz / files.quizFile) + " " + q(topics) + " " + q(questions);
    const fs::path copyOut = work / "copy.out";

    std::vector<Row> rows;
    rows.push_back({"compile", bestMs(runs, nothing, [&] { CompileQuiz(files, settings); }),
                    "cat quiz+topics+questions",
                    bestMs(runs, nothing, shell("cat " + sources + " > " + q(copyOut))), 2});
    rows.push_back(
        {"build-exe", bestMs(runs, nothing, [&] { BuildExecutableQuiz(files, settings, stub); }),
         "cat stub+quiz+topics+questions",
         bestMs(runs, nothing, shell("cat " + q(stub) + " " + sources + " > " + q(copyOut))), 2});

    DistributionRequest request;
    request.files = files;
    request.settings = settings;
    request.destination = work / "dist";
    request.executable = true;
    const fs::path cpDestination = work / "cpdist";
    rows.push_back({"distribute (exe + 200 media)",
                    bestMs(
                        runs, [&] { fs::remove_all(request.destination); },
                        [&] {
                            if (!PrepareDistribution(request).copied)
                                std::exit(1);
                        }),
                    "cp the same files",
                    bestMs(
                        runs, [&] { freshFolder(cpDestination); },
                        shell("cp " + q(quiz) + "/media*.bmp " + q(quiz / "BENCH.EXE") + " " +
                              q(cpDestination))),
                    2});

    const std::string middle = bench::BenchTopicName(2500);
    rows.push_back({"delete middle question",
                    bestMs(
                        runs, [&] { restore(pristine / "questions", questions); },
                        [&] {
                            QuestionFile file(questions, QuizKind::TI);
                            DeleteQuestion(file, 2500, [](const std::string&) {});
                        }),
                    "cp question file",
                    bestMs(runs, nothing, shell("cp " + q(questions) + " " + q(copyOut))), 3});
    const std::vector<std::string> text = {"{\\rtf1 replaced}"};
    const double copyTopics = bestMs(runs, nothing, shell("cp " + q(topics) + " " + q(copyOut)));
    rows.push_back({"replace middle topic",
                    bestMs(
                        runs, [&] { restore(pristine / "topics", topics); },
                        [&] {
                            ReplaceDisplayTopic(topics, middle, middle, 1, DefaultViewPortDesign(),
                                                text, "HYPER");
                        }),
                    "cp topic file", copyTopics, 3});
    rows.push_back({"delete middle topic",
                    bestMs(
                        runs, [&] { restore(pristine / "topics", topics); },
                        [&] { DeleteTopic(topics, middle, "HYPER"); }),
                    "cp topic file", copyTopics, 3});
    restore(pristine / "topics", topics);
    rows.push_back({"find last topic",
                    bestMs(runs, nothing,
                           [&] {
                               std::vector<std::string> lines;
                               if (!FindTopic(topics, bench::BenchTopicName(4999), "HYPER", lines))
                                   std::exit(1);
                           }),
                    "cat topic file",
                    bestMs(runs, nothing, shell("cat " + q(topics) + " >/dev/null")), 3});

    std::printf("sizes: questions %.1f MB, topics %.1f MB, compiled %.1f MB, executable %.1f MB\n",
                megabytes(questions), megabytes(topics), megabytes(quiz / "BENCH.TIC"),
                megabytes(quiz / "BENCH.EXE"));
    std::printf("best of %d runs\n\n", runs);
    std::printf("%-30s %10s  %-32s %9s %7s %6s\n", "operation", "tavrin ms", "baseline", "copy ms",
                "ratio", "goal");
    bool allMet = true;
    for (const auto& row : rows) {
        const double ratio = row.toolMs / row.copyMs;
        const bool met = ratio <= row.goal;
        allMet = allMet && met;
        std::printf("%-30s %10.1f  %-32s %9.1f %7.2f %4s%.0f%s\n", row.operation.c_str(),
                    row.toolMs, row.baseline.c_str(), row.copyMs, ratio, "<=", row.goal,
                    met ? "" : "  MISSED");
    }
    fs::remove_all(work);
    return allMet ? 0 : 3;
}
