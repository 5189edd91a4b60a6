#include "ui/build/BuildCommands.h"

#include <QString>
#include <exception>

#include "core/build/CompiledQuizBuilder.h"
#include "core/build/Distribution.h"
#include "core/build/ExecutableQuiz.h"
#include "ui/build/TDistribForm.h"
#include "ui/build/WebQuizCommand.h"

namespace tavrin {

namespace {

constexpr int kProgramLinkHelp = 440;

QString toQt(const std::string& text) {
    return QString::fromStdString(text);
}

QuizFileSet filesOf(const ProjectState& state) {
    return QuizFileSet::named(state.quizFolder, state.quizKind, state.quizFile.filename().string());
}

std::string compiledName(const ProjectState& state) {
    return state.quizName() + ExtensionsOf(state.quizKind).compiled;
}

// Runs a file step; a failure is shown in the error box and reported as false.
template <typename Step> bool reportingErrors(Platform& platform, Step&& step) {
    try {
        step();
        return true;
    } catch (const std::exception& error) {
        platform.ShowError(QString::fromStdString(error.what()));
        return false;
    }
}

} // namespace

bool CompileQuizCommand(Platform& platform, ProjectState& state) {
    const QuizFileSet files = filesOf(state);
    if (!reportingErrors(platform, [&] { CompileQuiz(files, state.settings); }))
        return false;
    const std::string name = compiledName(state);
    platform.ShowInfo(
        toQt("The Quiz " + name + " has been created\r\n\r\nTo run it use VORLANDT.EXE " + name));
    return true;
}

bool CreateExecutableCommand(Platform& platform, ProjectState& state) {
    const QuizFileSet files = filesOf(state);
    std::filesystem::path compiled;
    if (!reportingErrors(platform, [&] { compiled = CompileQuiz(files, state.settings); })) {
        platform.ShowError(QStringLiteral("Unable to create the Executable Quiz."));
        return false;
    }
    const std::string executable = state.quizName() + ".EXE";
    const std::filesystem::path target = state.quizFolder / executable;
    if (!reportingErrors(platform, [&] {
            WriteExecutableQuiz(state.programFolder / kRunnerStubFile, compiled, target);
        }))
        return false;
    const QString question = toQt("The Executable Quiz " + executable +
                                  " has been created.\n\r\n\rDo you want to try it now?");
    if (platform.AskYesNo(question)) {
        const ProcessResult run = platform.RunProgramAndWait(
            QStringLiteral("\"%1\"").arg(QString::fromStdString(target.string())),
            QString::fromStdString(state.quizFolder.string()));
        if (!run.started)
            platform.ShowError(toQt("Unable to start " + executable + ": ") + run.error);
    }
    return true;
}

bool PrepareDistributionCommand(Platform& platform, ProjectState& state) {
    const auto choice = ChooseDistributionFolder(platform, state.quizFolder);
    if (!choice)
        return false;
    if (choice->webQuiz)
        return ExportWebQuizCommand(platform, state, *choice);
    DistributionRequest request;
    request.files = filesOf(state);
    request.settings = state.settings;
    request.programFolder = state.programFolder;
    request.destination = choice->folder;
    request.executable = choice->executable;
    request.includeProgram = [&platform](const std::string& program) {
        return platform.AskYesNoHelp(toQt("Do you want to include the executable program " +
                                          program + ". See Help for information"),
                                     kProgramLinkHelp);
    };
    DistributionOutcome outcome;
    if (!reportingErrors(platform, [&] { outcome = PrepareDistribution(request); }))
        return false;
    if (!outcome.copied) {
        for (const auto& message : outcome.messages)
            platform.ShowError(toQt(message));
        return false;
    }
    for (const auto& message : outcome.messages)
        platform.ShowInfo(toQt(message));
    return true;
}

} // namespace tavrin
