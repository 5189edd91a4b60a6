#pragma once

#include <string>
#include <vector>

namespace tavrin {

// How a program run ended. `started` is false when the program could not be
// started at all (not installed); `failure` then or on a non-zero exit says why.
struct ProcessOutcome {
    bool started = false;
    int exitCode = -1;
    std::string failure;

    bool succeeded() const { return started && exitCode == 0; }
};

// Runs argv[0] (looked up in PATH) with the arguments as given, no shell in
// between, and waits for it. Its output goes nowhere; its input is empty.
ProcessOutcome RunProcess(const std::vector<std::string>& argv);

} // namespace tavrin
