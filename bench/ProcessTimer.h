#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tavrin::bench {

// One program run as a fresh process: its arguments (the first names the
// program, looked up on PATH) and, when not empty, the file its standard
// output goes to.
struct ProcessCommand {
    std::vector<std::string> argv;
    std::string standardOutput;
};

struct ProcessFigures {
    double seconds = 0; // wall time from start to exit
    double peakMb = 0;  // the child's maximum resident set
};

// Median wall time and largest peak memory of two commands run in turns,
// `runs` times each, each run after its own untimed setup, so that a drift of
// the machine's state during the benchmark (its page cache, the file system's
// free lists) weighs on both alike: the figures of `first`, then of `second`.
// A run that fails ends the benchmark with a message.
std::pair<ProcessFigures, ProcessFigures>
MeasureInTurns(const ProcessCommand& first, const std::function<void()>& firstSetup,
               const ProcessCommand& second, const std::function<void()>& secondSetup, int runs);

} // namespace tavrin::bench
