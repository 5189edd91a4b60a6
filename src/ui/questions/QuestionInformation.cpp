#include "ui/questions/QuestionInformation.h"

#include "core/project/ProjectState.h"
#include "ui/hyper/TInfoMenuForm.h"

namespace tavrin {

bool EditQuestionInformation(Platform& platform, ProjectState& state, const std::string& identifier,
                             QWidget* parent) {
    return RunInformationMenu(platform, state.topicFile, state.quizFolder, identifier, parent);
}

} // namespace tavrin
