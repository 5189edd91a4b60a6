#include "core/settings/CustomTexts.h"

#include <array>
#include <stdexcept>

namespace tavrin {
namespace {

using Slot = CustomTexts::Slot;

// In the order of CustomTexts::CustomText; offsets within the settings.
constexpr std::array<Slot, CustomTexts::kCount> kSlots = {{
    {4360, 30, "Quiz Results"},
    {4391, 20, "Questions Answered"},
    {4412, 20, "Correct Answers"},
    {4433, 40, "Select a Question to View"},
    {4474, 15, "Question"},
    {4490, 15, "Answer"},
    {4506, 13, "&Information"},
    {4520, 16, "&All Questions"},
    {4537, 16, "&Incorrect Only"},
    {4554, 20, "Total Questions"},
    {4575, 20, "Questions to take"},
    {4596, 8, "Score"},
    {4605, 10, "Answered"},
    {4616, 10, "Correct"},
    {4627, 40, "Select a Question"},
    {4668, 40, "Select an Answer"},
    {4709, 11, "&Continue"},
    {4721, 11, "&Quit"},
    {4733, 11, "&Next"},
    {4745, 70, "All results will be lost. Quit anyway?"},
    {4816, 70, "Would you like to preview the Questions?"},
    {4887, 70, "Would you like to study the Questions?"},
}};

} // namespace

const Slot& CustomTexts::slot(CustomText which) {
    if (which < 0 || which >= kCount)
        throw std::out_of_range("custom text " + std::to_string(which));
    return kSlots[static_cast<std::size_t>(which)];
}

std::string CustomTexts::text(CustomText which) const {
    const Slot& s = slot(which);
    return stringAt(s.offset - kStart, s.capacity);
}

void CustomTexts::setText(CustomText which, std::string_view v) {
    const Slot& s = slot(which);
    setStringAt(s.offset - kStart, s.capacity, v);
}

void InitCustomTexts(CustomTexts& texts) {
    for (int i = 0; i < CustomTexts::kCount; ++i) {
        const auto which = static_cast<CustomTexts::CustomText>(i);
        texts.setText(which, CustomTexts::slot(which).defaultText);
    }
}

} // namespace tavrin
