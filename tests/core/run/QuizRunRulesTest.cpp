#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>

#include "core/run/QuizRunRules.h"
#include "core/run/RecList.h"
#include "core/run/ResultsText.h"

namespace tavrin {
namespace {

// Replays a fixed list of draws; each must lie in the range asked for.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<int> draws) : draws_(std::move(draws)) {}
    int Uniform(int low, int high) override {
        EXPECT_LT(next_, draws_.size()) << "more draws than scripted";
        const int value = next_ < draws_.size() ? draws_[next_++] : low;
        EXPECT_GE(value, low);
        EXPECT_LE(value, high);
        return value;
    }

private:
    std::vector<int> draws_;
    std::size_t next_ = 0;
};

std::vector<int> sizesFor(int n) {
    return PlanPages(n).sizes;
}

TEST(PlanPages, SplitsTheRemainderOverTheLastTwoPages) {
    const std::pair<int, std::vector<int>> cases[] = {
        {1, {1}},      {4, {4}},       {10, {10}},       {11, {6, 5}},     {13, {7, 6}},
        {19, {10, 9}}, {20, {10, 10}}, {21, {10, 6, 5}}, {28, {10, 9, 9}}, {0, {}}};
    for (const auto& [questions, sizes] : cases)
        EXPECT_EQ(sizesFor(questions), sizes) << questions;
}

TEST(PlanPages, GivesOutRunListIndicesInOrder) {
    const auto plan = PlanPages(21);
    ASSERT_EQ(plan.pageSlots.size(), 3u);
    EXPECT_EQ(plan.pageSlots[1].front(), 10);
    EXPECT_EQ(plan.pageSlots[2], (std::vector<int>{16, 17, 18, 19, 20}));
    for (int n = 5; n <= 5000; n += 7)
        for (int size : sizesFor(n))
            ASSERT_TRUE(size >= 5 && size <= 10) << n;
}

TEST(Shuffle, FollowsTheDrawsFromTheTopDown) {
    // k = 4 draws 2 (swap 4,2), k = 3 draws 3 (none), k = 2 draws 1 (swap 2,1).
    ScriptedRandom random({2, 3, 1});
    EXPECT_EQ(ShuffleQuestions(4, 3, random), (std::vector<int>{4, 1, 3}));

    ClockRandom clock;
    const auto order = ShuffleQuestions(300, 300, clock);
    std::set<int> seen(order.begin(), order.end());
    EXPECT_EQ(seen.size(), 300u) << "every question once when all are taken";
    EXPECT_EQ(*seen.begin(), 1);
    EXPECT_EQ(*seen.rbegin(), 300);
}

TEST(Shuffle, EveryPermutationOfASmallPageOccurs) {
    ClockRandom random;
    std::map<std::vector<int>, int> seen;
    for (int i = 0; i < 6000; ++i)
        ++seen[RandomPermutation(3, random)];
    ASSERT_EQ(seen.size(), 6u);
    for (const auto& [order, count] : seen)
        EXPECT_NEAR(count, 1000, 200);
}

TEST(QuestionsToTake, ClampsAndReadsTheField) {
    EXPECT_EQ(ClampQuestionsToTake(99, 12), 12);
    EXPECT_EQ(ClampQuestionsToTake(0, 12), 1);
    EXPECT_EQ(QuestionsToTakeFromText("5", 12), 5);
    EXPECT_EQ(QuestionsToTakeFromText("x", 12), 2);
    EXPECT_EQ(QuestionsToTakeFromText("40", 12), 12);
    EXPECT_EQ(QuestionsOfferedInRun(7000), kMaxQuestionsPerRun);
    EXPECT_EQ(QuestionsOfferedInRun(12), 12);
    // The percentage truncates toward zero.
    EXPECT_EQ(PercentCorrect(2, 3), 66);
    EXPECT_EQ(PercentCorrect(150, 150), 100);
    EXPECT_EQ(PercentCorrect(0, 0), 0);
    EXPECT_EQ(PercentCorrect(1, 7), 14);
}

TEST(TypedAnswer, ContainmentWithAsciiCaseOnly) {
    const std::vector<std::string> paris = {"PARIS", "", ""};
    EXPECT_TRUE(TypedAnswerAccepted("the capital is paris", paris));
    EXPECT_TRUE(TypedAnswerAccepted("Parisian", paris));
    EXPECT_FALSE(TypedAnswerAccepted("Par", paris));
    EXPECT_FALSE(TypedAnswerAccepted("new  york", {"New York"}));
    EXPECT_TRUE(TypedAnswerAccepted("I like new york", {"", "New York"}));
    EXPECT_FALSE(TypedAnswerAccepted("", paris));
    EXPECT_FALSE(TypedAnswerAccepted("anything", {"", "", ""}));
    // E-acute capital (C9) in a match does not accept the small letter (E9).
    EXPECT_FALSE(TypedAnswerAccepted("caf\xE9", {"CAF\xC9"}));
    EXPECT_TRUE(TypedAnswerAccepted("CAF\xC9", {"caf\xC9"}));
}

TEST(Choices, EmptyWrongAnswerBelowTheHighestStillTakesAnOption) {
    // Wrong answers 1 and 3 filled: K = 4, option 2 is an empty label.
    ScriptedRandom random({4, 3, 2}); // no exchange: order 1, 2, 3, 4
    const auto layout = LayOutChoices("right", {"w1", "", "w3", "", ""}, random);
    EXPECT_EQ(layout.optionCount, 4);
    EXPECT_EQ(layout.labels, (std::vector<std::string>{"w1", "", "w3", "right"}));
    EXPECT_EQ(layout.correctTag, 4);

    ScriptedRandom none({});
    const auto alone = LayOutChoices("only", {"", "", "", "", ""}, none);
    EXPECT_EQ(alone.optionCount, 1);
    EXPECT_EQ(alone.correctTag, 1);
}

TEST(Choices, EachOfSixPositionsHoldsTheCorrectAnswerAboutEquallyOften) {
    ClockRandom random;
    std::map<int, int> atTag;
    for (int showing = 0; showing < 6000; ++showing)
        ++atTag[LayOutChoices("right", {"a", "b", "c", "d", "e"}, random).correctTag];
    ASSERT_EQ(atTag.size(), 6u);
    for (const auto& [tag, count] : atTag)
        EXPECT_NEAR(count, 1000, 200) << tag; // the standard deviation is about 29
}

TEST(MatchPage, CorrectOnlyForTheOwnSlotAndHighlightSkipsAnswered) {
    const std::vector<int> permutation = {3, 1, 2};
    EXPECT_TRUE(MatchIsCorrect(permutation, 1, 3));
    EXPECT_FALSE(MatchIsCorrect(permutation, 1, 1));
    EXPECT_FALSE(MatchIsCorrect(permutation, 4, 1));
    // The highlight skips answered questions and wraps.
    const std::vector<bool> enabled = {true, false, true, false};
    EXPECT_EQ(StepHighlight(1, 4, +1, enabled), 3);
    EXPECT_EQ(StepHighlight(3, 4, +1, enabled), 1);
    EXPECT_EQ(StepHighlight(1, 4, -1, enabled), 3);
    EXPECT_EQ(StepHighlight(2, 4, +1, {false, false, false, false}), 2);
    // No answered list: every option takes the highlight, Up and Down wrap.
    EXPECT_EQ(StepHighlight(1, 4, -1, {}), 4);
    EXPECT_EQ(StepHighlight(4, 4, +1, {}), 1);
}

TEST(RecList, PutKeepsTheEntrySizeAndChecksTheIndex) {
    TRecList list;
    list.Add(std::vector<std::uint8_t>{1, 2, 3});
    const std::vector<std::uint8_t> wide(5, 7);
    list.Put(0, wide);
    EXPECT_EQ(list.At(0).size(), 3u);
    EXPECT_EQ(list.At(0)[2], 7);
    EXPECT_THROW(list.Put(-1, wide), std::out_of_range);
    EXPECT_THROW(list.At(1), std::out_of_range);
}

TEST(ResultsText, ExactBytes) {
    const std::string expected = "My Quiz\r\n"
                                 "\r\n"
                                 "Questions Answered = 3\r\n"
                                 "Questions Correct = 2\r\n"
                                 "Percentage Correct = 66%\r\n"
                                 "\r\n"
                                 "CORRECT\r\n"
                                 "Q1\r\n"
                                 "Q3\r\n"
                                 "\r\n"
                                 "WRONG\r\n"
                                 "Q2\r\n";
    EXPECT_EQ(BuildResultsText("My Quiz", 3, 2, 66, {{"Q1", true}, {"Q2", false}, {"Q3", true}}),
              expected);
    EXPECT_EQ(BuildResultsText("", 1, 1, 100, {{"A", true}}),
              "\r\n\r\nQuestions Answered = 1\r\nQuestions Correct = 1\r\n"
              "Percentage Correct = 100%\r\n\r\nCORRECT\r\nA\r\n\r\nWRONG\r\n");
}

TEST(ResultsText, FileNamesDropFolderAndExtension) {
    EXPECT_EQ(ResultsFileName("C:\\RES\\OUT.TXT", "/q/QUIZ.TIJ", QuizKind::TI), "OUT.TID");
    EXPECT_EQ(ResultsFileName("", "/q/QUIZ.TIJ", QuizKind::TI), "QUIZ.TID");
    EXPECT_EQ(SwapFileName("/q/QUIZ.MCJ", QuizKind::MC), "QUIZ.MCS");
    EXPECT_EQ(SwapFileText(10), "10\r\n");
    EXPECT_FALSE(ResultPassed(49, 50));
    EXPECT_TRUE(ResultPassed(50, 50));
    EXPECT_EQ(LastIndexOf({"a", "b", "a"}, "a"), 2);
    EXPECT_EQ(LastIndexOf({"a"}, "A"), -1);
}

} // namespace
} // namespace tavrin
