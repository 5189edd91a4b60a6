#include "ui/runtime/QuizRunWindows.h"

#include <QApplication>
#include <QScreen>
#include <QTextDocument>
#include <stdexcept>

#include "core/files/FileIO.h"
#include "core/files/FolderNames.h"
#include "core/run/ResultsText.h"
#include "ui/runtime/QuestionListForm.h"
#include "ui/runtime/RunStyle.h"
#include "ui/runtime/TDispQForm.h"
#include "ui/runtime/TMCDisplayForm.h"
#include "ui/runtime/TPostListForm.h"
#include "ui/runtime/TQTotakeForm.h"
#include "ui/runtime/TQuestListForm.h"
#include "ui/runtime/TResultsForm.h"
#include "ui/runtime/TTIDispForm.h"
#include "ui/runtime/TTMPostForm.h"
#include "ui/runtime/TTMPrevForm.h"
#include "ui/runtime/TTutBackForm.h"

namespace tavrin {

QuizRunWindows::QuizRunWindows(RunContext& run, QWidget* parent)
    : run_(run), parent_(parent), programHelpFile_(run.platform.HelpFile()) {}

QuizRunWindows::~QuizRunWindows() = default;

void QuizRunWindows::ShowBackground() {
    background_ = std::make_unique<TTutBackForm>(run_.platform, run_.settings.programWindow(),
                                                 run_.source.mediaFolder());
    if (const QScreen* screen = QApplication::primaryScreen())
        background_->setGeometry(screen->geometry());
    background_->show();
    background_->FormActivate();
}

void QuizRunWindows::CloseBackground() {
    if (background_)
        background_->close();
    background_.reset();
}

void QuizRunWindows::PrepareMediaWindows() {
    run_.topics.PrepareMediaWindows(run_.programTitle(),
                                    run_.settings.programScreens().mediaInstruction(),
                                    run_.settings.programWindow().showVideoAdvisory());
}

void QuizRunWindows::UseQuizHelpFile() {
    const std::string name = run_.settings.programWindow().helpFile();
    const auto found = ResolveInFolder(run_.source.mediaFolder(), name);
    const auto path = found ? *found : run_.source.mediaFolder() / DiskName(name);
    run_.platform.SetHelpFile(QString::fromStdString(path.string()));
}

void QuizRunWindows::RestoreProgramHelpFile() {
    run_.platform.SetHelpFile(programHelpFile_);
}

void QuizRunWindows::ShowMultimedia(const std::string& command) {
    run_.topics.ShowMultimedia(run_.programTitle(), command);
}

void QuizRunWindows::RunProgram(int linkType, const std::string& command) {
    run_.topics.RunProgram(linkType, command);
}

void QuizRunWindows::OpenDocument(const std::string& command) {
    run_.topics.OpenDocument(command);
}

void QuizRunWindows::ShowAboutBox() {
    run_.topics.ShowAboutBox(run_.settings.programScreens().aboutBox());
}

void QuizRunWindows::ShowIntroduction() {
    const auto lines = run_.source.introduction();
    if (!lines)
        return;
    run_.topics.ShowIntroduction(*lines, run_.settings.programScreens(),
                                 run_.settings.programWindow());
}

int QuizRunWindows::AskQuestionsToTake(int total, int offered) {
    TQTotakeForm form(run_.platform, run_.helpContext(),
                      run_.text(CustomTexts::kTotalQuestionsLabel),
                      run_.text(CustomTexts::kQuestionsToTakeLabel), total, offered, parent_);
    if (run_.platform.RunModal(form) != QDialog::Accepted)
        return offered;
    return form.questionsToTake();
}

void QuizRunWindows::OfferList(bool review) {
    const bool matchQuiz = run_.state.kind == QuizKind::QA;
    if (!matchQuiz && QuestionListForm::FullList(run_.state).empty())
        return;
    const auto offer = review ? CustomTexts::kReviewOffer : CustomTexts::kPreviewOffer;
    if (!run_.platform.AskYesNo(run_.text(offer) + QStringLiteral("\n\r")))
        return;
    std::unique_ptr<QuestionListForm> form;
    if (matchQuiz && review)
        form = std::make_unique<TPostListForm>(run_, parent_);
    else if (matchQuiz)
        form = std::make_unique<TQuestListForm>(run_, parent_);
    else if (review)
        form = std::make_unique<TTMPostForm>(run_, parent_);
    else
        form = std::make_unique<TTMPrevForm>(run_, parent_);
    run_.platform.RunModal(*form);
}

void QuizRunWindows::OfferPreQuizList() {
    OfferList(false);
}

void QuizRunWindows::OfferPostQuizList() {
    OfferList(true);
}

void QuizRunWindows::ShowQAPage() {
    TDispQForm form(run_, parent_);
    run_.platform.RunModal(form);
}

void QuizRunWindows::ShowQuestion() {
    if (run_.state.kind == QuizKind::TI) {
        TTIDispForm form(run_, parent_);
        run_.platform.RunModal(form);
    } else {
        TMCDisplayForm form(run_, parent_);
        run_.platform.RunModal(form);
    }
}

void QuizRunWindows::ShowResults() {
    TResultsForm form(run_, parent_);
    run_.platform.RunModal(form);
}

void QuizRunWindows::ShowGroupFeedback() {
    const int group = run_.state.ScoreGroup;
    if (run_.settings.groupHasFeedback(group))
        run_.ShowInformation("GROUP " + std::to_string(group) + " FEEDBACK");
}

std::string QuizRunWindows::ResultsText() const {
    const auto& state = run_.state;
    return BuildResultsText(run_.settings.titleBarText(), state.QuestionsToTake,
                            state.QuestionsCorrect, state.PercentCorrect, state.AskedQuestions());
}

void QuizRunWindows::SaveResultsFile() {
    const std::string name = tavrin::ResultsFileName(run_.settings.resultsFileName(),
                                                     run_.state.quizFile, run_.state.kind);
    WriteFileAtomically(run_.source.mediaFolder() / name, ResultsText());
    run_.platform.ShowInfo(QStringLiteral("The Quiz results have been saved to ") +
                           ShownText(name));
}

void QuizRunWindows::OfferPrintResults() {
    if (!run_.platform.AskYesNo(QStringLiteral("Do you want to print the Results?\n\r")))
        return;
    QString text = ShownText(ResultsText());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    QTextDocument document;
    document.setPlainText(text);
    // A page size of its own keeps the printout to the results text alone
    // (no page numbers added by the printer's layout).
    document.setPageSize(QSizeF(595, 842));
    const PrintResult printed =
        run_.platform.PrintDocument(document, run_.text(CustomTexts::kResultsHeading));
    // A failed print ends the run's ending as a results file that cannot be
    // written does: the error reaches the author and the later steps are skipped.
    if (printed.status == PrintStatus::Failed)
        throw std::runtime_error("The Quiz results could not be printed: " +
                                 printed.reason.toStdString());
}

void QuizRunWindows::WriteSwapFile() {
    const std::string name = SwapFileName(run_.state.quizFile, run_.state.kind);
    WriteFileAtomically(run_.source.mediaFolder() / name, SwapFileText(run_.state.ScoreGroup));
}

} // namespace tavrin
