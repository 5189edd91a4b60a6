#pragma once

#include <string_view>

#include "core/interchange/InterchangeQuestion.h"

namespace tavrin::interchange {

// Reads GIFT text (already UTF-8): questions separated by blank lines, "//"
// comment lines, "::name::", "[html]" and the other format marks, answers in
// braces with =, ~, ->, #feedback, %weight% and #### general feedback, the
// escapes \~ \= \# \{ \} \: \\ \n, and "$CATEGORY:" lines, which are skipped.
// A question that cannot be read is returned with its problem set.
ReadResult ReadGift(std::string_view text);

} // namespace tavrin::interchange
