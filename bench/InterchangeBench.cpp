// Times importing a 5000-question GIFT file and a 5000-question Moodle XML
// file into an empty multiple-choice quiz, each beside the time cp takes to
// copy the same file in the same run, and prints the ratio.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>

#include "core/files/FileIO.h"
#include "core/interchange/InterchangeFormat.h"
#include "core/interchange/QuestionImport.h"

namespace {

namespace fs = std::filesystem;
using namespace tavrin;
using Action = std::function<void()>;

constexpr int kQuestions = 5000;
constexpr double kGoal = 5.0;

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

std::string giftBank() {
    std::string text = "// bench bank\n\n";
    for (int i = 0; i < kQuestions; ++i) {
        const std::string n = std::to_string(i);
        text += "::Q" + n + "::Which of these is the answer to question number " + n + "?{=right " +
                n + " ~wrong one ~wrong two ~wrong three#not this}\n\n";
    }
    return text;
}

std::string moodleBank() {
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n";
    for (int i = 0; i < kQuestions; ++i) {
        const std::string n = std::to_string(i);
        text += "<question type=\"multichoice\"><name><text>Q" + n +
                "</text></name>\n<questiontext format=\"html\"><text><![CDATA[<p>Which of these "
                "is the answer to question number " +
                n + "?</p>]]></text></questiontext>\n";
        text += "<answer fraction=\"100\"><text>right " + n + "</text></answer>\n";
        for (const char* wrong : {"wrong one", "wrong two", "wrong three"})
            text += "<answer fraction=\"0\"><text>" + std::string(wrong) + "</text></answer>\n";
        text += "</question>\n";
    }
    return text + "</quiz>\n";
}

void row(const char* what, const fs::path& bank, const fs::path& folder, int runs) {
    const interchange::QuizFiles quiz{QuizKind::MC, folder, folder / "BENCH.MCQ",
                                      folder / "BENCH.MCR"};
    const auto empty = [&] {
        fs::remove(quiz.questionFile);
        fs::remove(quiz.topicFile);
    };
    std::size_t imported = 0;
    const double importMs = bestMs(runs, empty, [&] {
        const auto plan = interchange::PlanImport(interchange::ReadQuestionsFile(bank, {}), quiz);
        interchange::CommitImport(plan);
        imported = plan.imported;
    });
    const fs::path copy = folder / "copy";
    const std::string command = "cp '" + bank.string() + "' '" + copy.string() + "'";
    const double copyMs = bestMs(
        runs, [&] { fs::remove(copy); },
        [&] {
            if (std::system(command.c_str()) != 0)
                std::exit(1);
        });
    const double ratio = importMs / copyMs;
    std::printf("%-34s %9.1f ms  cp %7.1f ms  ratio %5.2f  goal %.0fx  %s  (%zu imported)\n", what,
                importMs, copyMs, ratio, kGoal, ratio <= kGoal ? "ok" : "SLOW", imported);
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const fs::path folder =
        fs::temp_directory_path() / ("tavrin-bench-ic-" + std::to_string(getpid()));
    fs::create_directories(folder);
    WriteFileAtomically(folder / "bank.gift", giftBank());
    WriteFileAtomically(folder / "bank.xml", moodleBank());
    row("import 5000-question GIFT", folder / "bank.gift", folder, runs);
    row("import 5000-question Moodle XML", folder / "bank.xml", folder, runs);
    fs::remove_all(folder);
    return 0;
}
