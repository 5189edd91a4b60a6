#include "ui/build/WebQuizCommand.h"

#include <QApplication>
#include <QProgressDialog>
#include <exception>

#include "core/build/CompiledQuizBuilder.h"
#include "core/web/WebQuizExporter.h"

namespace tavrin {

namespace {

QString toQt(const std::string& text) {
    return QString::fromStdString(text);
}

// A window-modal progress bar without a Cancel button: a half-written export
// would help nobody, and the topics are done in seconds.
class ProgressWindow {
public:
    explicit ProgressWindow(const QString& label) : dialog_(label, QString(), 0, 1) {
        dialog_.setObjectName(QStringLiteral("WebExportProgress"));
        dialog_.setWindowTitle(QStringLiteral("Web Quiz"));
        dialog_.setCancelButton(nullptr);
        dialog_.setWindowModality(Qt::ApplicationModal);
        dialog_.setMinimumDuration(300);
        dialog_.setAutoClose(false);
        dialog_.setValue(0);
    }

    void show(std::size_t done, std::size_t total) {
        dialog_.setMaximum(static_cast<int>(total));
        dialog_.setValue(static_cast<int>(done));
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

    void close() { dialog_.reset(); }

private:
    QProgressDialog dialog_;
};

std::string reportText(const WebExportOutcome& outcome, const std::filesystem::path& written,
                       bool scorm) {
    std::string text;
    for (const auto& line : outcome.report)
        text += line + "\r\n";
    text += std::string(scorm ? "The SCORM package " : "The web quiz ") + "has been written to " +
            written.string();
    return text;
}

} // namespace

bool ExportWebQuizCommand(Platform& platform, ProjectState& state,
                          const DistributionChoice& choice) {
    const QuizFileSet files =
        QuizFileSet::named(state.quizFolder, state.quizKind, state.quizFile.filename().string());
    WebExportRequest request;
    request.quizFolder = state.quizFolder;
    request.playerFolder = state.programFolder / kWebPlayerFolder;
    request.scorm = choice.scorm;
    request.destination =
        choice.scorm ? choice.folder / (state.quizName() + ".zip") : choice.folder;
    WebExportOutcome outcome;
    try {
        request.compiledQuiz = CompileQuiz(files, state.settings);
        ProgressWindow progress(QStringLiteral("Writing the web quiz..."));
        request.progress = [&progress](std::size_t done, std::size_t total) {
            progress.show(done, total);
        };
        outcome = WebQuizExporter::Export(request);
        progress.close();
    } catch (const std::exception& error) {
        platform.ShowError(toQt(error.what()));
        return false;
    }
    if (!outcome.exported) {
        for (const auto& message : outcome.messages)
            platform.ShowError(toQt(message));
        return false;
    }
    platform.ShowInfo(toQt(reportText(outcome, request.destination, choice.scorm)));
    return true;
}

} // namespace tavrin
