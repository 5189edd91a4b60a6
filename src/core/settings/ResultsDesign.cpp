#include "core/settings/ResultsDesign.h"

#include "core/files/SharedRoutines.h"

namespace tavrin {

PercentCheck CheckPercentText(std::string_view text) {
    const std::optional<std::int32_t> number = ParseWholeNumber(text);
    if (!number)
        return {PercentRefusal::kNotANumber, 0};
    if (*number > 100)
        return {PercentRefusal::kAboveMaximum, *number};
    if (*number < 0)
        return {PercentRefusal::kBelowMinimum, *number};
    return {PercentRefusal::kNone, *number};
}

std::string PassPercentageRefusal(PercentRefusal refusal) {
    switch (refusal) {
    case PercentRefusal::kNotANumber:
        return "That is not a valid number";
    case PercentRefusal::kAboveMaximum:
        return "100% is the maximum";
    case PercentRefusal::kBelowMinimum:
        return "The score cannot be less than 0";
    case PercentRefusal::kNone:
        break;
    }
    return {};
}

std::string GroupLimitRefusal(PercentRefusal refusal) {
    switch (refusal) {
    case PercentRefusal::kNotANumber:
        return "That is not a valid number.";
    case PercentRefusal::kAboveMaximum:
        return "The maximum score is 100.";
    case PercentRefusal::kBelowMinimum:
        return "The minimum score is 0.";
    case PercentRefusal::kNone:
        break;
    }
    return {};
}

std::optional<GroupOrderFault> FindGroupOrderFault(const GroupLimitEntries& entries) {
    if (!entries[0])
        return std::nullopt;
    int previous = 0;
    for (int group = 1; group < QuizSettings::kAuthorGroups; ++group) {
        const auto& entry = entries[static_cast<std::size_t>(group)];
        if (!entry)
            continue;
        const int before = *entries[static_cast<std::size_t>(previous)];
        if (*entry > 0 && *entry < before)
            return GroupOrderFault{group, previous};
        previous = group;
    }
    return std::nullopt;
}

std::string GroupOrderMessage(const GroupOrderFault& fault) {
    return "Group " + std::to_string(fault.group) + " percentage is lower than Group " +
           std::to_string(fault.comparedWith) + ".";
}

void StoreGroupLimits(QuizSettings& settings, const GroupLimitEntries& entries) {
    const bool defined = entries[0].has_value();
    settings.setScoreGroupsDefined(defined);
    for (int group = 0; group < QuizSettings::kAuthorGroups; ++group) {
        const auto& entry = entries[static_cast<std::size_t>(group)];
        settings.setGroupLimit(group, defined ? entry.value_or(0) : 0);
    }
}

std::string GroupFeedbackTopicName(int group) {
    return "GROUP " + std::to_string(group) + " FEEDBACK";
}

void StoreQuitText(QuizSettings& settings, std::string_view text) {
    ProgramScreens screens = settings.programScreens();
    screens.setQuitButtonText(text);
    settings.setProgramScreens(screens);
    CustomTexts texts = settings.customTexts();
    texts.setText(CustomTexts::kQuitButton, text);
    settings.setCustomTexts(texts);
}

void RestoreDefaultTexts(QuizSettings& settings) {
    CustomTexts texts = settings.customTexts();
    InitCustomTexts(texts);
    settings.setCustomTexts(texts);
    ProgramScreens screens = settings.programScreens();
    InitButtonTexts(screens);
    settings.setProgramScreens(screens);
}

} // namespace tavrin
