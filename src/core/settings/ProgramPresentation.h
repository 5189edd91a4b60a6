#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/settings/ProgramWindow.h"

namespace tavrin {

// The icon choice as it is saved: a ticked box with no file is no icon, and
// no icon names no file.
void StoreIconChoice(ProgramWindow& window, bool useIcon, std::string_view iconFile);

// The help choice as it is saved: help needs both a file and a starting
// topic of at least 1; anything less stores no help at all.
void StoreHelpChoice(ProgramWindow& window, bool useHelp);

// The starting topic as the help dialog shows it: below 1 shows as 1.
std::int32_t ShownStartingTopic(std::int32_t stored);

// What saving the program configuration does with the introduction's topic.
struct IntroductionSave {
    enum class Topic { Keep, Append, Replace, Delete };
    Topic topic = Topic::Keep;
    bool showIntroduction = false;
    bool refusedEmpty = false; // "The Introduction has not been entered."
};

// `ticked`: the " Add an Introduction" box; `edited`: its dialog ended with
// OK; `empty`: no text lines; `wasInTopicFile`: the topic file held an
// introduction when the configuration opened.
IntroductionSave PlanIntroductionSave(bool ticked, bool edited, bool empty, bool wasInTopicFile);

} // namespace tavrin
