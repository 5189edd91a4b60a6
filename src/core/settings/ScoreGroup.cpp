#include "core/settings/ScoreGroup.h"

#include <algorithm>

#include "core/settings/QuizSettings.h"

namespace tavrin {
namespace {

int lastGroupWithLimit(const QuizSettings& settings) {
    for (int group = QuizSettings::kAuthorGroups - 1; group > 0; --group)
        if (settings.groupLimit(group) > 0)
            return group;
    return 0;
}

} // namespace

int ScoreGroup(int percentage, const QuizSettings& settings) {
    // A percentage outside 0..100 would name a group that has no feedback slot.
    percentage = std::clamp(percentage, 0, 100);
    if (!settings.scoreGroupsDefined())
        return percentage / 10;
    const int last = lastGroupWithLimit(settings);
    for (int group = 0; group <= last; ++group)
        if (percentage < settings.groupLimit(group))
            return group;
    return last;
}

} // namespace tavrin
