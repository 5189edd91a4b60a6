#pragma once

#include "core/questions/QuizKind.h"

class QWidget;

namespace tavrin {

class Platform;
class QuizSettings;

// Shows the sample question screen of the quiz kind, painted from the
// settings as they stand; it changes nothing.
void ShowSampleScreen(Platform& platform, QuizKind kind, const QuizSettings& settings,
                      QWidget* parent = nullptr);

} // namespace tavrin
