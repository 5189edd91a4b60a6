#pragma once

#include <optional>
#include <string>

#include "core/files/RandomSource.h"
#include "core/run/QuizRunState.h"
#include "core/settings/QuizSettings.h"

namespace tavrin {

// The screens and side effects of a quiz run, in the order the conductor
// calls them. The user interface implements them; the conductor decides which
// run, when, and what is cleaned up after a quit or an error.
class RunSteps {
public:
    virtual ~RunSteps() = default;

    virtual void ShowBackground() = 0;
    virtual void CloseBackground() = 0;
    // Program title, media instruction and video advisory for this run's
    // windows; the advisory is shown at most once per run.
    virtual void PrepareMediaWindows() = 0;
    virtual void UseQuizHelpFile() = 0;
    virtual void RestoreProgramHelpFile() = 0;

    virtual void ShowMultimedia(const std::string& command) = 0;
    virtual void RunProgram(int linkType, const std::string& command) = 0;
    virtual void OpenDocument(const std::string& command) = 0;
    virtual void ShowAboutBox() = 0;
    virtual void ShowIntroduction() = 0;

    // Returns how many of `offered` questions to ask; `total` is the quiz's count.
    virtual int AskQuestionsToTake(int total, int offered) = 0;
    virtual void OfferPreQuizList() = 0;
    // One page of a match quiz (CurrentPage, LastPage set) or one question of
    // the other kinds (the record in hand set).
    virtual void ShowQAPage() = 0;
    virtual void ShowQuestion() = 0;

    virtual void ShowResults() = 0;
    virtual void ShowGroupFeedback() = 0;
    virtual void SaveResultsFile() = 0;
    virtual void OfferPrintResults() = 0;
    virtual void WriteSwapFile() = 0;
    virtual void OfferPostQuizList() = 0;
};

// Why a quiz cannot be run, or nothing when it can.
std::optional<std::string> WhyRunRefused(int totalQuestions);

// Runs a whole quiz over the questions in state.AllQuestions. The closing
// items (about box at the end, closing command) follow a quit as well; the
// help file, background and run lists are cleaned up even when a step throws,
// and the error is passed on.
void RunQuiz(QuizRunState& state, const QuizSettings& settings, RunSteps& steps,
             RandomSource& random);

// The steps of a run, exposed for the conductor's own tests.
// Copies the chosen questions in asking order, each with its mark clear.
void BuildRunList(QuizRunState& state);
void RunQAPages(QuizRunState& state, RunSteps& steps);
void RunQuestionSequence(QuizRunState& state, RunSteps& steps);

} // namespace tavrin
