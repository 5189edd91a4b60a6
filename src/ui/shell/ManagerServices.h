#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tavrin {

class QuizManagerForm;

// Operations of the quiz managers that other parts of the program supply.
// The application supplies every one; a test supplies those it presses.
struct ManagerServices {
    using ManagerAction = std::function<void(QuizManagerForm&)>;

    ManagerAction previewQuiz;
    ManagerAction compileQuiz;
    ManagerAction createExecutable;
    ManagerAction prepareDistribution;
    // Shows one stored question as the learner sees it; given its record bytes.
    std::function<void(QuizManagerForm&, const std::vector<std::uint8_t>& record)> viewQuestion;
    // Attaches or changes a question's information; true when it has some afterwards.
    std::function<bool(const std::string& identifier)> editQuestionInformation;
};

} // namespace tavrin
