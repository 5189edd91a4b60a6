#pragma once

#include <QString>
#include <memory>

#include "core/run/RunConductor.h"
#include "ui/runtime/RunContext.h"

class QWidget;

namespace tavrin {

class TTutBackForm;

// The steps of a run as the learner sees them: every screen is a modal
// window run through the platform, and the results files land in the quiz's
// folder.
class QuizRunWindows : public RunSteps {
public:
    QuizRunWindows(RunContext& run, QWidget* parent);
    ~QuizRunWindows() override;

    void ShowBackground() override;
    void CloseBackground() override;
    void PrepareMediaWindows() override;
    void UseQuizHelpFile() override;
    void RestoreProgramHelpFile() override;
    void ShowMultimedia(const std::string& command) override;
    void RunProgram(int linkType, const std::string& command) override;
    void OpenDocument(const std::string& command) override;
    void ShowAboutBox() override;
    void ShowIntroduction() override;
    int AskQuestionsToTake(int total, int offered) override;
    void OfferPreQuizList() override;
    void ShowQAPage() override;
    void ShowQuestion() override;
    void ShowResults() override;
    void ShowGroupFeedback() override;
    void SaveResultsFile() override;
    void OfferPrintResults() override;
    void WriteSwapFile() override;
    void OfferPostQuizList() override;

    // The results text of the run so far, as file and printer get it.
    std::string ResultsText() const;

private:
    void OfferList(bool review);

    RunContext& run_;
    QWidget* parent_;
    QString programHelpFile_;
    std::unique_ptr<TTutBackForm> background_;
};

} // namespace tavrin
