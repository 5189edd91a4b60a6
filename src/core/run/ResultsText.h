#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/questions/QuizKind.h"

namespace tavrin {

// One asked question as the results list it: identifier and whether it was
// answered correctly, in asking order.
struct AskedQuestion {
    std::string identifier;
    bool correct = false;
};

// The results text written to the results file and sent to the printer; every
// line ends with CR LF.
std::string BuildResultsText(std::string_view titleText, int asked, int correct, int percent,
                             const std::vector<AskedQuestion>& questions);

// A score equal to the pass percentage passes.
bool ResultPassed(int percent, int passPercentage);

// Bare name of the results file: the results-name setting when not empty,
// else the quiz file, without folder and extension, plus the kind's results
// extension. The caller places it in the quiz folder.
std::string ResultsFileName(std::string_view resultsNameSetting, std::string_view quizFile,
                            QuizKind kind);
std::string SwapFileName(std::string_view quizFile, QuizKind kind);
std::string SwapFileText(int scoreGroup);

// Review lists: the index of the last entry equal to `text` (exact, case
// kept), or -1. Duplicate texts therefore open the later question.
int LastIndexOf(const std::vector<std::string>& list, std::string_view text);

} // namespace tavrin
