#include "ui/shell/QuizProjects.h"

#include "core/project/ProjectState.h"
#include "core/topics/TopicFile.h"
#include "platform/Platform.h"
#include "ui/notes/TTutorialForm.h"
#include "ui/shell/QuizManagerForm.h"
#include "ui/shell/TMCmainform.h"
#include "ui/shell/TMakeDirForm.h"
#include "ui/shell/TQAMainForm.h"
#include "ui/shell/TTImainform.h"

#include <QDir>
#include <memory>

namespace tavrin {

namespace fs = std::filesystem;

namespace {

QString Shown(const fs::path& path) {
    return QString::fromStdString(path.string());
}

AskYesNo AskThrough(Platform& platform) {
    return [&platform](const std::string& question) {
        return platform.AskYesNo(QString::fromStdString(question));
    };
}

TopicFileUpgrade UpgradeTopics() {
    return [](const fs::path& topicFile) { UpgradeTopicFile(topicFile); };
}

// Shows the quiz that the state names now, or none.
void ShowOutcome(QuizManagerForm& manager) {
    const ProjectState& state = manager.state();
    manager.ShowCurrentQuiz(state.hasQuiz() ? QString::fromStdString(state.quizName()) : QString());
}

// Runs one way of making a quiz current; a file error leaves no quiz current
// and is passed on to the manager, which reports it.
template <typename Open> void OpenAndShow(QuizManagerForm& manager, Open open) {
    try {
        open();
    } catch (...) {
        ShowOutcome(manager);
        throw;
    }
    ShowOutcome(manager);
}

} // namespace

void StartUpProjectState(ProjectState& state, const std::string& programPath, int colourDepth) {
    state = ProjectState::AtStartUp(fs::path(programPath));
    state.lowColourDisplay = colourDepth < 16;
}

void RunQuizManager(Platform& platform, ProjectState& state, const ManagerServices& services,
                    QuizKind kind, QWidget* parent) {
    state.clearQuiz();
    std::unique_ptr<QuizManagerForm> manager;
    switch (kind) {
    case QuizKind::QA:
        manager = std::make_unique<TQAMainForm>(platform, state, services, parent);
        break;
    case QuizKind::TI:
        manager = std::make_unique<TTImainform>(platform, state, services, parent);
        break;
    case QuizKind::MC:
        manager = std::make_unique<TMCmainform>(platform, state, services, parent);
        break;
    }
    platform.RunModal(*manager);
}

void StartNewQuiz(QuizManagerForm& manager) {
    ProjectState& state = manager.state();
    Platform& platform = manager.platform();
    const QString mask =
        QStringLiteral("*") + QString::fromLatin1(ExtensionsOf(manager.kind()).quiz);
    const auto chosen = ChooseQuizFolder(platform, mask, QStringLiteral("Enter new Quiz name"), 105,
                                         Shown(state.quizFolder), &manager);
    if (!chosen) {
        if (!QDir::setCurrent(Shown(state.quizFolder)))
            platform.ShowError(QStringLiteral("Unable to enter the folder ") +
                               Shown(state.quizFolder));
        return;
    }
    const fs::path folder(chosen->folder.toStdString());
    OpenResult result = OpenResult::kNotOpened;
    OpenAndShow(manager, [&] {
        result = state.StartNewQuiz(folder, chosen->name.toStdString(), AskThrough(platform),
                                    UpgradeTopics());
    });
    if (result == OpenResult::kFolderUnavailable)
        platform.ShowError(QString::fromLatin1(kUnableToCreateDirectory));
}

void SelectQuiz(QuizManagerForm& manager) {
    ProjectState& state = manager.state();
    Platform& platform = manager.platform();
    const QString extension = QString::fromLatin1(ExtensionsOf(manager.kind()).quiz).mid(1);
    FileDialogRequest request;
    request.caption = QStringLiteral("Select a Quiz");
    request.filter = QStringLiteral("Quiz Files|*.") + extension;
    request.defaultExtension = extension;
    request.startFolder = Shown(state.quizFolder);
    request.helpContext = 90;
    request.mustExist = manager.kind() == QuizKind::QA;
    const std::optional<QString> chosen = platform.GetOpenFileName(request);
    std::optional<fs::path> path;
    if (chosen && !chosen->isEmpty())
        path = fs::path(chosen->toStdString());
    OpenAndShow(manager, [&] { state.SelectQuiz(path, AskThrough(platform), UpgradeTopics()); });
}

void OpenProgramTutorial(Platform& platform, const ProjectState& state, QWidget* parent) {
    const fs::path tutorial = state.programFolder / "DRAVLEN.RTF";
    if (!fs::exists(tutorial)) {
        platform.ShowError(
            QStringLiteral("The Tutorial file %1 was not found").arg(Shown(tutorial)));
        return;
    }
    ShowTutorial(platform, Shown(tutorial), parent);
}

QString ManagerTitle(const ProjectState& state) {
    return QString::fromStdString(state.programTitle);
}

void SetManagerKind(ProjectState& state, QuizKind kind) {
    state.quizKind = kind;
}

void SetCurrentQuestionId(ProjectState& state, const std::string& identifier) {
    state.currentQuestionId = identifier;
}

bool QuizIsCurrent(const ProjectState& state) {
    return state.hasQuiz();
}

bool QuizHasQuestions(const ProjectState& state) {
    std::error_code ignored;
    return state.hasQuiz() && !state.questionFile.empty() &&
           fs::is_regular_file(state.questionFile, ignored);
}

fs::path QuestionFilePath(const ProjectState& state) {
    return state.questionFile;
}

fs::path TopicFilePath(const ProjectState& state) {
    return state.topicFile;
}

} // namespace tavrin
