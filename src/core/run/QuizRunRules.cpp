#include "core/run/QuizRunRules.h"

#include <algorithm>
#include <numeric>

#include "core/files/FolderNames.h"
#include "core/files/SharedRoutines.h"

namespace tavrin {

int QuestionsOfferedInRun(int totalQuestions) {
    return std::clamp(totalQuestions, 0, kMaxQuestionsPerRun);
}

std::vector<int> RandomPermutation(int count, RandomSource& random) {
    std::vector<int> order(static_cast<std::size_t>(std::max(count, 0)));
    std::iota(order.begin(), order.end(), 1);
    random.Reseed();
    for (int k = count; k >= 2; --k) {
        const int j = random.Uniform(1, k);
        std::swap(order[static_cast<std::size_t>(k - 1)], order[static_cast<std::size_t>(j - 1)]);
    }
    return order;
}

std::vector<int> ShuffleQuestions(int total, int toTake, RandomSource& random) {
    auto order = RandomPermutation(total, random);
    order.resize(static_cast<std::size_t>(std::clamp(toTake, 0, total)));
    return order;
}

int ClampQuestionsToTake(int value, int total) {
    return std::clamp(value, 1, std::max(total, 1));
}

int QuestionsToTakeFromText(std::string_view text, int total) {
    const auto value = ParseWholeNumber(text);
    return std::min(value ? *value : 2, total);
}

PagePlan PlanPages(int n) {
    PagePlan plan;
    if (n <= 0)
        return plan;
    if (n <= 10) {
        plan.sizes = {n};
    } else {
        plan.sizes.assign(static_cast<std::size_t>(n / 10), 10);
        const int rest = n % 10;
        if (rest == 9) {
            plan.sizes.push_back(9);
        } else if (rest >= 1) {
            plan.sizes.back() = (10 + rest + 1) / 2;
            plan.sizes.push_back((10 + rest) / 2);
        }
    }
    int next = 0;
    for (int size : plan.sizes) {
        std::vector<int> page(static_cast<std::size_t>(size));
        std::iota(page.begin(), page.end(), next);
        next += size;
        plan.pageSlots.push_back(std::move(page));
    }
    return plan;
}

int PercentCorrect(int correct, int total) {
    if (total <= 0)
        return 0;
    return static_cast<int>(static_cast<double>(correct) * 100.0 / total);
}

bool TypedAnswerAccepted(std::string_view typed, const std::vector<std::string>& matches) {
    const std::string upperTyped = UpperAscii(typed);
    return std::any_of(matches.begin(), matches.end(), [&](const std::string& match) {
        return !match.empty() && upperTyped.find(UpperAscii(match)) != std::string::npos;
    });
}

ChoiceLayout LayOutChoices(const std::string& correctAnswer,
                           const std::array<std::string, 5>& wrongAnswers, RandomSource& random) {
    ChoiceLayout layout;
    int highestFilled = 0;
    for (int slot = 1; slot <= 5; ++slot)
        if (!wrongAnswers[static_cast<std::size_t>(slot - 1)].empty())
            highestFilled = slot;
    layout.optionCount = highestFilled + 1;
    layout.order = RandomPermutation(layout.optionCount, random);
    for (int tag = 1; tag <= layout.optionCount; ++tag) {
        const int option = layout.order[static_cast<std::size_t>(tag - 1)];
        if (option == layout.optionCount) {
            layout.correctTag = tag;
            layout.labels.push_back(correctAnswer);
        } else {
            layout.labels.push_back(wrongAnswers[static_cast<std::size_t>(option - 1)]);
        }
    }
    return layout;
}

bool MatchIsCorrect(const std::vector<int>& answerPermutation, int answerTag, int questionTag) {
    if (answerTag < 1 || answerTag > static_cast<int>(answerPermutation.size()))
        return false;
    return answerPermutation[static_cast<std::size_t>(answerTag - 1)] == questionTag;
}

int StepHighlight(int current, int count, int direction, const std::vector<bool>& enabled) {
    if (count <= 0)
        return current;
    int candidate = current;
    for (int step = 0; step < count; ++step) {
        candidate += direction;
        if (candidate < 1)
            candidate = count;
        if (candidate > count)
            candidate = 1;
        const auto index = static_cast<std::size_t>(candidate - 1);
        if (index >= enabled.size() || enabled[index])
            return candidate;
    }
    return current;
}

} // namespace tavrin
