#pragma once

#include <filesystem>

namespace tavrin::examples {

// Writes three complete example quizzes, one of each kind, into folders under
// `root` (SOLAR, CAPITALS, MUSIC), replacing what an earlier run wrote there.
void WriteExampleQuizzes(const std::filesystem::path& root);

} // namespace tavrin::examples
