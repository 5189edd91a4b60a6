#pragma once

namespace tavrin {

class QuizScreenFrame;

// The score of the TI and MC samples: one question of one, half the gauge,
// nothing answered yet.
void ShowSampleScore(QuizScreenFrame& sample);

} // namespace tavrin
