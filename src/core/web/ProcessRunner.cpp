#include "core/web/ProcessRunner.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace tavrin {
namespace {

// posix_spawn's file actions, released however the spawn ends.
class SilentStreams {
public:
    SilentStreams() {
        posix_spawn_file_actions_init(&actions_);
        posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions_, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions_, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    }
    ~SilentStreams() { posix_spawn_file_actions_destroy(&actions_); }
    SilentStreams(const SilentStreams&) = delete;
    SilentStreams& operator=(const SilentStreams&) = delete;

    const posix_spawn_file_actions_t* get() const { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

} // namespace

ProcessOutcome RunProcess(const std::vector<std::string>& argv) {
    ProcessOutcome outcome;
    if (argv.empty()) {
        outcome.failure = "no program named";
        return outcome;
    }
    std::vector<char*> args;
    for (const auto& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);

    const SilentStreams streams;
    pid_t child = 0;
    const int error = posix_spawnp(&child, args[0], streams.get(), nullptr, args.data(), environ);
    if (error != 0) {
        outcome.failure =
            error == ENOENT ? argv[0] + " is not installed" : argv[0] + ": " + std::strerror(error);
        return outcome;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            outcome.failure = argv[0] + ": " + std::strerror(errno);
            return outcome;
        }
    }
    // The shell convention for "command not found" after a successful spawn.
    outcome.started = !(WIFEXITED(status) && WEXITSTATUS(status) == 127);
    if (!outcome.started) {
        outcome.failure = argv[0] + " is not installed";
    } else if (WIFEXITED(status)) {
        outcome.exitCode = WEXITSTATUS(status);
        if (outcome.exitCode != 0)
            outcome.failure = argv[0] + " ended with code " + std::to_string(outcome.exitCode);
    } else {
        outcome.failure = argv[0] + " was stopped by signal " + std::to_string(WTERMSIG(status));
    }
    return outcome;
}

} // namespace tavrin
