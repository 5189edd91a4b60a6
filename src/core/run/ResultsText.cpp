#include "core/run/ResultsText.h"

#include "core/files/SharedRoutines.h"

namespace tavrin {

std::string BuildResultsText(std::string_view titleText, int asked, int correct, int percent,
                             const std::vector<AskedQuestion>& questions) {
    std::string text;
    const auto line = [&text](std::string_view content) {
        text += content;
        text += "\r\n";
    };
    line(titleText);
    line("");
    line("Questions Answered = " + std::to_string(asked));
    line("Questions Correct = " + std::to_string(correct));
    line("Percentage Correct = " + std::to_string(percent) + "%");
    line("");
    line("CORRECT");
    for (const auto& question : questions)
        if (question.correct)
            line(question.identifier);
    line("");
    line("WRONG");
    for (const auto& question : questions)
        if (!question.correct)
            line(question.identifier);
    return text;
}

bool ResultPassed(int percent, int passPercentage) {
    return percent >= passPercentage;
}

std::string ResultsFileName(std::string_view resultsNameSetting, std::string_view quizFile,
                            QuizKind kind) {
    const std::string_view source = resultsNameSetting.empty() ? quizFile : resultsNameSetting;
    return QuizBaseName(source) + ExtensionsOf(kind).results;
}

std::string SwapFileName(std::string_view quizFile, QuizKind kind) {
    return QuizBaseName(quizFile) + ExtensionsOf(kind).swap;
}

std::string SwapFileText(int scoreGroup) {
    return std::to_string(scoreGroup) + "\r\n";
}

int LastIndexOf(const std::vector<std::string>& list, std::string_view text) {
    for (int i = static_cast<int>(list.size()) - 1; i >= 0; --i)
        if (list[static_cast<std::size_t>(i)] == text)
            return i;
    return -1;
}

} // namespace tavrin
