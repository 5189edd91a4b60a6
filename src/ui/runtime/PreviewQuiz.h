#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/files/RandomSource.h"
#include "core/run/QuizSource.h"
#include "platform/Platform.h"
#include "ui/runtime/TopicPresenter.h"

class QWidget;

namespace tavrin {

// Takes the quiz as a learner takes it, from the first screen to the last.
// `quizFile` names the results and swap files. Problems (no questions, a
// file that cannot be read or written) end in an error box; the run cleans
// up after itself either way.
void PreviewQuiz(Platform& platform, const QuizSource& source, const std::string& quizFile,
                 TopicPresenter& topics, RandomSource& random, QWidget* parent = nullptr);

// Shows one stored question as the learner would see it: a match question
// in its viewer, the other kinds in their display as a run of one. Nothing
// the window changes is kept.
void ViewStoredQuestion(Platform& platform, const QuizSource& source,
                        const std::vector<std::uint8_t>& record, TopicPresenter& topics,
                        RandomSource& random, QWidget* parent = nullptr);

} // namespace tavrin
