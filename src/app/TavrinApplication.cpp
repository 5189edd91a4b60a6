#include "TavrinApplication.h"

#include "core/files/RandomSource.h"
#include "platform/Platform.h"
#include "ui/build/BuildCommands.h"
#include "ui/runtime/MediaTopicPresenter.h"
#include "ui/runtime/PreviewQuiz.h"
#include "ui/runtime/ProjectQuizSource.h"
#include "ui/shell/QuizManagerForm.h"
#include "ui/shell/QuizProjects.h"
#include "ui/shell/TNquizMainForm.h"

#include <QApplication>

namespace tavrin {

TavrinApplication::TavrinApplication(Platform& platform, const QString& programPath)
    : platform_(platform) {
    StartUpProjectState(state_, programPath.toStdString(), platform.ScreenColourDepth());
    platform.SetHelpFile(QString::fromStdString(state_.helpFile));
    QApplication::setApplicationName(QStringLiteral("Tavrin"));

    TNquizMainForm::Actions actions;
    actions.openManager = [this](QuizKind kind) { OpenManager(kind); };
    actions.showTutorial = [this] { OpenProgramTutorial(platform_, state_, mainForm_.get()); };
    services_.previewQuiz = [this](QuizManagerForm& manager) {
        const ProjectQuizSource source(state_);
        MediaTopicPresenter topics(platform_, MediaSession::ForProject(state_));
        ClockRandom random;
        PreviewQuiz(platform_, source, state_.quizFile.string(), topics, random, &manager);
    };
    services_.viewQuestion = [this](QuizManagerForm& manager,
                                    const std::vector<std::uint8_t>& record) {
        const ProjectQuizSource source(state_);
        MediaTopicPresenter topics(platform_, MediaSession::ForProject(state_));
        ClockRandom random;
        ViewStoredQuestion(platform_, source, record, topics, random, &manager);
    };
    services_.compileQuiz = [this](QuizManagerForm&) { CompileQuizCommand(platform_, state_); };
    services_.createExecutable = [this](QuizManagerForm&) {
        CreateExecutableCommand(platform_, state_);
    };
    services_.prepareDistribution = [this](QuizManagerForm&) {
        PrepareDistributionCommand(platform_, state_);
    };
    mainForm_ = std::make_unique<TNquizMainForm>(
        platform, QString::fromStdString(state_.programTitle), std::move(actions));
}

TavrinApplication::~TavrinApplication() = default;

void TavrinApplication::Show() {
    mainForm_->showMaximized();
}

void TavrinApplication::OpenManager(QuizKind kind) {
    RunQuizManager(platform_, state_, services_, kind, mainForm_.get());
}

} // namespace tavrin
