#pragma once

#include "core/questions/QuizKind.h"
#include "ui/shell/ManagerServices.h"

#include <QString>
#include <filesystem>
#include <string>

class QWidget;

namespace tavrin {

class Platform;
class QuizManagerForm;
struct ProjectState;

// Fills the quiz state at start-up from the program's own path and the
// screen's colour depth.
void StartUpProjectState(ProjectState& state, const std::string& programPath, int colourDepth);

// Clears the current quiz, then shows the manager of the kind modally.
void RunQuizManager(Platform& platform, ProjectState& state, const ManagerServices& services,
                    QuizKind kind, QWidget* parent);

// The manager's quiz operations.
void StartNewQuiz(QuizManagerForm& manager);
void SelectQuiz(QuizManagerForm& manager);

// Shows the tutorial of the program folder, or says that it is missing.
void OpenProgramTutorial(Platform& platform, const ProjectState& state, QWidget* parent);

// Small views of the state that the forms need.
QString ManagerTitle(const ProjectState& state);
void SetManagerKind(ProjectState& state, QuizKind kind);
void SetCurrentQuestionId(ProjectState& state, const std::string& identifier);
bool QuizIsCurrent(const ProjectState& state);
bool QuizHasQuestions(const ProjectState& state);
std::filesystem::path QuestionFilePath(const ProjectState& state);
std::filesystem::path TopicFilePath(const ProjectState& state);

} // namespace tavrin
