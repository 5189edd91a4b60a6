#include "ui/questions/QuestionInformation.h"

#include "ui/shell/FormHelp.h"

namespace tavrin {

bool EditQuestionInformation(Platform& platform, ProjectState&, const std::string&, QWidget*) {
    ShowNotAvailableYet(platform, QStringLiteral("Study Information"));
    return false;
}

} // namespace tavrin
