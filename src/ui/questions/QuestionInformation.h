#pragma once

#include <string>

class QWidget;

namespace tavrin {

class Platform;
struct ProjectState;

// Attaches or changes the information of the question with this identifier
// through the information menu; true when the question has information
// afterwards.
bool EditQuestionInformation(Platform& platform, ProjectState& state, const std::string& identifier,
                             QWidget* parent);

} // namespace tavrin
