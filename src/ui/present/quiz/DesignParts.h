#pragma once

#include <QString>
#include <cstdint>

#include "core/questions/QuizKind.h"

class QEvent;
class QPushButton;
class QWidget;

namespace tavrin {

class Platform;
struct ProjectState;

// What the quiz presentation dialogs share.

// A push button with its object name, as the dialogs' components are found.
QPushButton* MakeNamedButton(const QString& name, const QString& caption, QWidget* parent);

// One of three help contexts by quiz kind (QA, TI, MC).
int ContextByKind(QuizKind kind, int qa, int ti, int mc);

// Writes the in-memory settings into the quiz file; a failure is shown in
// the file error box and the in-memory settings stay as they are.
bool SaveQuizFile(Platform& platform, const ProjectState& state);

// Mock-up elements keep the stored colour values they show, so that a
// system-colour code comes back unchanged when the author does not touch it.
void ShowBoxColour(QWidget& element, std::uint32_t colour);
std::uint32_t BoxColourOf(const QWidget& element);
void ShowTextColour(QWidget& element, std::uint32_t colour);
std::uint32_t TextColourOf(const QWidget& element);

// The colour dialog on the element's colour; the element takes the chosen one.
void PickBoxColour(Platform& platform, QWidget& element);
void PickTextColour(Platform& platform, QWidget& element);

// True for focus leaving a control within the window; false when the whole
// window loses focus (a message box opening, another program activated).
bool IsLeavingEdit(const QEvent& event);

} // namespace tavrin
