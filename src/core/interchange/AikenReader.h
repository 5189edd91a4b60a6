#pragma once

#include <string_view>

#include "core/interchange/InterchangeQuestion.h"

namespace tavrin::interchange {

// Reads Aiken text: a question line, its choices "A. text" or "A) text", then
// "ANSWER: letter". Every question is a multiple-choice one; a question
// without a valid ANSWER line comes back with its problem set.
ReadResult ReadAiken(std::string_view text);

} // namespace tavrin::interchange
