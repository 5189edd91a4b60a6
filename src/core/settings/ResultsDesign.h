#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/settings/QuizSettings.h"

namespace tavrin {

// Why a percentage typed by the author is refused.
enum class PercentRefusal { kNone, kNotANumber, kAboveMaximum, kBelowMinimum };

struct PercentCheck {
    PercentRefusal refusal = PercentRefusal::kNone;
    int value = 0;
};

// A percentage edit's text: a whole number from 0 to 100.
PercentCheck CheckPercentText(std::string_view text);

// The messages of the pass-percentage edit and of the group-limit edits.
std::string PassPercentageRefusal(PercentRefusal refusal);
std::string GroupLimitRefusal(PercentRefusal refusal);
inline constexpr const char* kPassPercentageMissing = "The pass percentage must be entered";
// The text a refused pass percentage is replaced by.
inline constexpr const char* kDefaultPassPercentage = "50";

// The five group-limit edits as the author left them; empty ones hold nothing.
using GroupLimitEntries = std::array<std::optional<int>, QuizSettings::kAuthorGroups>;

struct GroupOrderFault {
    int group;        // the edit that is too low
    int comparedWith; // the filled edit before it that it was compared with
};

// The first group whose limit is above 0 and lower than the nearest filled
// limit before it; nothing is checked while group 0 is empty.
std::optional<GroupOrderFault> FindGroupOrderFault(const GroupLimitEntries& entries);
std::string GroupOrderMessage(const GroupOrderFault& fault);

// Group 0 empty: no groups of the author's. Otherwise the groups are defined
// and each empty limit is 0.
void StoreGroupLimits(QuizSettings& settings, const GroupLimitEntries& entries);

// The topic that holds score group g's feedback: "GROUP g FEEDBACK".
std::string GroupFeedbackTopicName(int group);

// The Quit text lives twice: as the program's button text (16 characters)
// and as the quiz screen's button text (11 characters).
void StoreQuitText(QuizSettings& settings, std::string_view text);

// Default custom texts and button texts, the media instruction included.
void RestoreDefaultTexts(QuizSettings& settings);

} // namespace tavrin
