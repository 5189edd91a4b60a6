#pragma once

#include "core/project/ProjectState.h"
#include "core/questions/QuizKind.h"
#include "ui/shell/ManagerServices.h"

#include <QString>
#include <memory>

namespace tavrin {

class Platform;
class TNquizMainForm;

// The authoring program: owns the quiz state for the whole run, the top menu
// and the services that the quiz managers reach.
class TavrinApplication {
public:
    TavrinApplication(Platform& platform, const QString& programPath);
    ~TavrinApplication();

    ProjectState& state() { return state_; }
    ManagerServices& services() { return services_; }
    TNquizMainForm& mainForm() { return *mainForm_; }

    // Shows the top menu maximised; the program ends when it closes.
    void Show();

private:
    void OpenManager(QuizKind kind);

    Platform& platform_;
    ProjectState state_;
    ManagerServices services_;
    std::unique_ptr<TNquizMainForm> mainForm_;
};

} // namespace tavrin
