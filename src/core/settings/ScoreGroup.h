#pragma once

namespace tavrin {

class QuizSettings;

// The score group of a whole percentage (0..100). Without author-defined
// groups it is the percentage by tens (0..10, 100 alone in group 10). With
// them, it is the first group whose upper limit is above the percentage,
// looking only up to the last group that has a limit; a percentage at or
// above every limit falls in that last group.
int ScoreGroup(int percentage, const QuizSettings& settings);

} // namespace tavrin
