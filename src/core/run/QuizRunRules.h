#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/RandomSource.h"

namespace tavrin {

// A run asks at most this many questions. A larger quiz still draws them at
// random from all of its questions, so every question can come up.
constexpr int kMaxQuestionsPerRun = 5000;
int QuestionsOfferedInRun(int totalQuestions);

// 1..count in a uniformly random order: for k = count down to 2, exchange
// entry k with entry j drawn from 1..k. The source is reseeded first.
std::vector<int> RandomPermutation(int count, RandomSource& random);

// The asking order: the first `toTake` entries of a random permutation of the
// record numbers 1..total.
std::vector<int> ShuffleQuestions(int total, int toTake, RandomSource& random);

// Question count dialog: the spin box keeps its value within 1..total; on OK a
// text that is not a number counts as 2, and the result never exceeds total.
int ClampQuestionsToTake(int value, int total);
int QuestionsToTakeFromText(std::string_view text, int total);

// Pages of a match quiz: 5 to 10 pairs each (a single page when fewer than 5),
// and which run-list indices (0-based) each page shows.
struct PagePlan {
    std::vector<int> sizes;
    std::vector<std::vector<int>> pageSlots; // "slots" would clash with a Qt macro
};
PagePlan PlanPages(int questionsToTake);

// trunc(correct * 100 / total), 0 when nothing was asked.
int PercentCorrect(int correct, int total);

// A typed answer is right when it contains one of the non-empty matches,
// comparing with a to z upper-cased and nothing else changed.
bool TypedAnswerAccepted(std::string_view typed, const std::vector<std::string>& matches);

// Multiple choice: K options, the correct answer and wrong answers 1..K-1,
// where K-1 is the highest filled wrong-answer slot (an empty slot below it
// still takes an option). `labels[t-1]` is the text of the option with tag t.
struct ChoiceLayout {
    int optionCount = 0;
    std::vector<int> order; // option numbers by tag; K is the correct answer
    int correctTag = 0;
    std::vector<std::string> labels;
};
ChoiceLayout LayOutChoices(const std::string& correctAnswer,
                           const std::array<std::string, 5>& wrongAnswers, RandomSource& random);

// Match page: the answer label with tag t shows the answer of slot
// permutation[t-1]; a match is right when that slot is the chosen question's.
bool MatchIsCorrect(const std::vector<int>& answerPermutation, int answerTag, int questionTag);

// Up/Down over a wrapping list of `count` entries where only the `enabled`
// ones can take the highlight; returns `current` when none can.
int StepHighlight(int current, int count, int direction, const std::vector<bool>& enabled);

} // namespace tavrin
