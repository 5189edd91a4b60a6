#include "ui/shell/QuestionInterchange.h"

#include "core/files/FolderNames.h"
#include "core/interchange/InterchangeFormat.h"
#include "core/interchange/QuestionImport.h"
#include "core/interchange/QuizExport.h"
#include "core/project/ProjectState.h"
#include "platform/Platform.h"
#include "ui/shell/QuizProjects.h"
#include "ui/shell/TImportReportForm.h"

namespace tavrin {
namespace {

constexpr int kInterchangeHelp = 160;

interchange::QuizFiles FilesOf(const ProjectState& state) {
    return interchange::QuizFiles{state.quizKind, state.quizFolder, QuestionFilePath(state),
                                  TopicFilePath(state)};
}

QString Plural(std::size_t count) {
    return QString::number(count) +
           (count == 1 ? QStringLiteral(" question") : QStringLiteral(" questions"));
}

} // namespace

void ImportQuestions(Platform& platform, ProjectState& state, QWidget* parent) {
    FileDialogRequest request;
    request.caption = QStringLiteral("Import Questions");
    request.filter = QStringLiteral("Question files (*.gift *.txt *.xml *.csv);;GIFT files "
                                    "(*.gift *.txt);;Moodle XML files (*.xml);;Aiken files "
                                    "(*.txt);;CSV files (*.csv);;All files (*.*)");
    request.startFolder = QString::fromStdString(state.quizFolder.string());
    request.helpContext = kInterchangeHelp;
    request.mustExist = true;
    const auto chosen = platform.GetOpenFileName(request);
    if (!chosen)
        return;
    const interchange::ImportPlan plan = interchange::PlanImport(
        interchange::ReadQuestionsFile(chosen->toStdString(), std::nullopt), FilesOf(state));
    TImportReportForm report(platform, QString::fromStdString(plan.reportText()), plan.imported > 0,
                             parent);
    if (platform.RunModal(report) != QDialog::Accepted)
        return;
    interchange::CommitImport(plan);
    platform.ShowInfo(Plural(plan.records.size()) + QStringLiteral(" added to the quiz."));
}

void ExportQuestions(Platform& platform, ProjectState& state) {
    FileDialogRequest request;
    request.caption = QStringLiteral("Export Questions");
    request.filter =
        QStringLiteral("GIFT files (*.gift);;Moodle XML files (*.xml);;CSV files (*.csv)");
    request.defaultExtension = QStringLiteral("gift");
    request.startFolder = QString::fromStdString(state.quizFolder.string());
    request.fileName = QString::fromStdString(state.quizName());
    request.helpContext = kInterchangeHelp;
    const auto chosen = platform.GetSaveFileName(request);
    if (!chosen)
        return;
    const std::filesystem::path out = chosen->toStdString();
    const std::string extension = UpperAscii(out.extension().string());
    const interchange::Format format = extension == ".XML"   ? interchange::Format::MoodleXml
                                       : extension == ".CSV" ? interchange::Format::Csv
                                                             : interchange::Format::Gift;
    QString message = QStringLiteral("The questions were exported to ") + *chosen;
    for (const auto& note : interchange::ExportQuiz(FilesOf(state), format, out))
        message += QStringLiteral("\n") + QString::fromStdString(note);
    platform.ShowInfo(message);
}

} // namespace tavrin
