#include "ProcessTimer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

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

} // namespace

ProcessFigures MeasureProcess(const ProcessCommand& command, int runs,
                              const std::function<void()>& setup) {
    std::vector<double> seconds;
    double peak = 0;
    for (int i = 0; i < runs; ++i) {
        if (setup)
            setup();
        const ProcessFigures run = runOnce(command);
        seconds.push_back(run.seconds);
        peak = std::max(peak, run.peakMb);
    }
    std::sort(seconds.begin(), seconds.end());
    const std::size_t middle = seconds.size() / 2;
    const double median =
        seconds.size() % 2 == 1 ? seconds[middle] : (seconds[middle - 1] + seconds[middle]) / 2;
    return {median, peak};
}

} // namespace tavrin::bench
