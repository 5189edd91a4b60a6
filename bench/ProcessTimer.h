#pragma once

#include <functional>
#include <string>
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

// Median wall time and largest peak memory of `runs` runs, each after its own
// untimed `setup`. A run that fails ends the benchmark with a message.
ProcessFigures MeasureProcess(const ProcessCommand& command, int runs,
                              const std::function<void()>& setup = {});

} // namespace tavrin::bench
