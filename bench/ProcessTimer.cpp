#include "ProcessTimer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace tavrin::bench {
namespace {

[[noreturn]] void fail(const ProcessCommand& command, const std::string& why) {
    std::string line;
    for (const auto& arg : command.argv)
        line += arg + " ";
    std::fprintf(stderr, "bench: %s failed: %s\n", line.c_str(), why.c_str());
    std::exit(1);
}

ProcessFigures runOnce(const ProcessCommand& command) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!command.standardOutput.empty())
        posix_spawn_file_actions_addopen(&actions, 1, command.standardOutput.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    else
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (const auto& arg : command.argv)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    pid_t child = 0;
    const auto start = std::chrono::steady_clock::now();
    const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        fail(command, "cannot start");
    int status = 0;
    rusage usage{};
    if (::wait4(child, &status, 0, &usage) != child)
        fail(command, "lost the process");
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        fail(command, "exit status " + std::to_string(status));
    return {took.count(), static_cast<double>(usage.ru_maxrss) / 1024.0};
}

// The runs of one command: the median time and the largest peak.
class Samples {
public:
    void add(const ProcessFigures& run) {
        seconds_.push_back(run.seconds);
        peak_ = std::max(peak_, run.peakMb);
    }
    ProcessFigures figures() {
        std::sort(seconds_.begin(), seconds_.end());
        const std::size_t middle = seconds_.size() / 2;
        const double median = seconds_.size() % 2 == 1
                                  ? seconds_[middle]
                                  : (seconds_[middle - 1] + seconds_[middle]) / 2;
        return {median, peak_};
    }

private:
    std::vector<double> seconds_;
    double peak_ = 0;
};

// Each run starts with nothing left to write back: otherwise a run waits on
// the write-back of the output its predecessor left, and how long depends on
// how long ago that was, not on the command.
ProcessFigures runAfter(const std::function<void()>& setup, const ProcessCommand& command) {
    if (setup)
        setup();
    ::sync();
    return runOnce(command);
}

} // namespace

std::pair<ProcessFigures, ProcessFigures>
MeasureInTurns(const ProcessCommand& first, const std::function<void()>& firstSetup,
               const ProcessCommand& second, const std::function<void()>& secondSetup, int runs) {
    Samples firstSamples;
    Samples secondSamples;
    for (int i = 0; i < runs; ++i) {
        firstSamples.add(runAfter(firstSetup, first));
        secondSamples.add(runAfter(secondSetup, second));
    }
    return {firstSamples.figures(), secondSamples.figures()};
}

} // namespace tavrin::bench
