#include <gtest/gtest.h>

#include "core/settings/ResultsDesign.h"

namespace tavrin {
namespace {

TEST(ResultsDesignTest, PercentagesOutsideZeroToHundredOrNotWholeAreRefused) {
    const struct {
        const char* text;
        PercentRefusal refusal;
    } cases[] = {{"0", PercentRefusal::kNone},           {"100", PercentRefusal::kNone},
                 {"101", PercentRefusal::kAboveMaximum}, {"-1", PercentRefusal::kBelowMinimum},
                 {"abc", PercentRefusal::kNotANumber},   {"1.5", PercentRefusal::kNotANumber},
                 {"5x", PercentRefusal::kNotANumber}};
    for (const auto& c : cases)
        EXPECT_EQ(CheckPercentText(c.text).refusal, c.refusal) << c.text;
    // The pass-percentage edit and the group-limit edits word them apart.
    const struct {
        PercentRefusal refusal;
        const char* pass;
        const char* group;
    } messages[] = {
        {PercentRefusal::kNotANumber, "That is not a valid number", "That is not a valid number."},
        {PercentRefusal::kAboveMaximum, "100% is the maximum", "The maximum score is 100."},
        {PercentRefusal::kBelowMinimum, "The score cannot be less than 0",
         "The minimum score is 0."},
    };
    for (const auto& m : messages) {
        EXPECT_EQ(PassPercentageRefusal(m.refusal), m.pass);
        EXPECT_EQ(GroupLimitRefusal(m.refusal), m.group);
    }
}

TEST(ResultsDesignTest, GroupLimitsAreDefinedByGroupZeroAndEmptyOnesStoreZero) {
    QuizSettings settings;
    InitQuizSettings(settings);
    StoreGroupLimits(settings, {30, std::nullopt, 60, std::nullopt, std::nullopt});
    EXPECT_TRUE(settings.scoreGroupsDefined());
    const int limits[] = {30, 0, 60, 0, 0};
    for (int group = 0; group < QuizSettings::kAuthorGroups; ++group)
        EXPECT_EQ(settings.groupLimit(group), limits[group]) << group;

    StoreGroupLimits(settings, {std::nullopt, 50, std::nullopt, std::nullopt, std::nullopt});
    EXPECT_FALSE(settings.scoreGroupsDefined());
    EXPECT_EQ(settings.groupLimit(1), 0) << "nothing is kept without group 0";
}

TEST(ResultsDesignTest, QuitTextIsStoredForTheProgramAndCutForTheQuizScreen) {
    QuizSettings settings;
    InitQuizSettings(settings);
    StoreQuitText(settings, "&Stop the quiz now");
    EXPECT_EQ(settings.programScreens().quitButtonText(), "&Stop the quiz n");
    EXPECT_EQ(settings.customTexts().quitButton(), "&Stop the q");
}

TEST(ResultsDesignTest, GroupOrderComparesWithTheNearestFilledLimitBefore) {
    const std::optional<int> none;
    const struct {
        GroupLimitEntries entries;
        std::optional<std::pair<int, int>> fault;
    } cases[] = {
        {{30, 20, none, none, none}, std::pair{1, 0}}, {{30, 60, 0, 0, 0}, std::nullopt},
        {{30, none, 25, none, none}, std::pair{2, 0}}, {{30, 50, none, 40, none}, std::pair{3, 1}},
        {{none, 50, 10, none, none}, std::nullopt}, // nothing is compared without group 0
        {{30, 40, 0, 35, none}, std::nullopt},      // a filled 0 is the one compared with
    };
    for (const auto& c : cases) {
        const auto fault = FindGroupOrderFault(c.entries);
        if (!c.fault) {
            EXPECT_FALSE(fault.has_value());
            continue;
        }
        ASSERT_TRUE(fault.has_value());
        EXPECT_EQ(std::pair(fault->group, fault->comparedWith), *c.fault);
    }
    EXPECT_EQ(GroupOrderMessage({3, 1}), "Group 3 percentage is lower than Group 1.");
}

} // namespace
} // namespace tavrin
