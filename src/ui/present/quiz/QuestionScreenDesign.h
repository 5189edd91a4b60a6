#pragma once

#include <QString>
#include <string_view>

#include "core/questions/QuizKind.h"

class QFrame;
class QGroupBox;
class QLabel;
class QWidget;

namespace tavrin {

class Platform;
class QuizSettings;

// The parts of the question-screen mock-ups: a screen panel holding boxes
// captioned as the real screen captions them, with sample lines inside.
QFrame* MakeMockScreen(QWidget* parent);
QGroupBox* MakeMockBox(QFrame& screen, const QString& name, std::string_view storedCaption);
QLabel* MakeMockLine(QGroupBox& box, const QString& name, const QString& text);

// Runs the question-screen designer of the quiz kind; true, with the
// settings changed, when it ended with "&OK".
bool DesignQuestionScreen(Platform& platform, QuizKind kind, QuizSettings& settings,
                          QWidget* parent = nullptr);

} // namespace tavrin
