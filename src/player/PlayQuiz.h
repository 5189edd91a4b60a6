#pragma once

#include <filesystem>

#include "core/run/QuizSource.h"
#include "platform/Platform.h"

namespace tavrin {

// Plays the quiz for a learner from its first screen to its last; results are
// named after `quizFile`. False when the quiz could not be played.
bool PlayQuiz(Platform& platform, const QuizSource& source, const std::filesystem::path& quizFile);

} // namespace tavrin
