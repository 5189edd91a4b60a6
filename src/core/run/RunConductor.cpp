#include "core/run/RunConductor.h"

#include <vector>

#include "core/settings/ScoreGroup.h"

namespace tavrin {
namespace {

bool AboutBoxAt(const ProgramScreens& screens, bool atStart) {
    if (!screens.showAboutBox())
        return false;
    const auto when = screens.aboutBox().whenToShow();
    if (when == AboutBoxDesign::kAtStartAndEnd)
        return true;
    return when == (atStart ? AboutBoxDesign::kAtStart : AboutBoxDesign::kAtEnd);
}

void ActOnCommand(bool enabled, const CommandRecord& command, RunSteps& steps) {
    if (!enabled)
        return;
    const std::string text = command.runCommand();
    switch (command.commandType()) {
    case 2:
    case 3:
    case 6:
        steps.ShowMultimedia(text);
        break;
    case 4:
    case 9:
        steps.RunProgram(command.commandType(), text);
        break;
    case 10:
        steps.OpenDocument(text);
        break;
    default:
        break;
    }
}

void OpeningItems(const QuizSettings& settings, RunSteps& steps) {
    const auto screens = settings.programScreens();
    ActOnCommand(screens.runOpeningCommand(), screens.openingCommand(), steps);
    if (AboutBoxAt(screens, true))
        steps.ShowAboutBox();
    if (screens.showIntroduction())
        steps.ShowIntroduction();
}

void ClosingItems(const QuizSettings& settings, RunSteps& steps) {
    const auto screens = settings.programScreens();
    if (AboutBoxAt(screens, false))
        steps.ShowAboutBox();
    ActOnCommand(screens.runClosingCommand(), screens.closingCommand(), steps);
}

void ResultsChain(QuizRunState& state, const QuizSettings& settings, RunSteps& steps) {
    steps.ShowResults();
    state.ScoreGroup = ScoreGroup(state.PercentCorrect, settings);
    steps.ShowGroupFeedback();
    if (settings.saveResultsToDisk())
        steps.SaveResultsFile();
    if (settings.saveResultsToPrinter())
        steps.OfferPrintResults();
    if (settings.useDataSwapFile())
        steps.WriteSwapFile();
    if (settings.allowPostQuizReview())
        steps.OfferPostQuizList();
}

void AskTheQuestions(QuizRunState& state, const QuizSettings& settings, RunSteps& steps,
                     RandomSource& random) {
    state.TotalQuestions = state.AllQuestions.Count();
    const int offered = QuestionsOfferedInRun(state.TotalQuestions);
    state.QuestionsToTake = offered;
    if (!settings.takeAllQuestions())
        state.QuestionsToTake =
            ClampQuestionsToTake(steps.AskQuestionsToTake(state.TotalQuestions, offered), offered);
    state.QuestionOrder = ShuffleQuestions(state.TotalQuestions, state.QuestionsToTake, random);
    BuildRunList(state);
    if (state.kind == QuizKind::QA)
        state.Pages = PlanPages(state.QuestionsToTake);
    if (settings.allowQuestionPreview())
        steps.OfferPreQuizList();
    if (state.kind == QuizKind::QA)
        RunQAPages(state, steps);
    else
        RunQuestionSequence(state, steps);
}

// Leaves the run's lists as they were before it, whatever happened.
void CleanUp(QuizRunState& state, RunSteps& steps) {
    steps.RestoreProgramHelpFile();
    steps.CloseBackground();
    state.QuestionOrder.clear();
    state.RunList = TRecList();
}

} // namespace

std::optional<std::string> WhyRunRefused(int totalQuestions) {
    if (totalQuestions <= 0)
        return "This quiz has no questions. Add a question before running the quiz.";
    return std::nullopt;
}

void BuildRunList(QuizRunState& state) {
    state.RunList = TRecList();
    for (int number : state.QuestionOrder) {
        // The first byte is the answered-correctly mark from here on; a
        // deleted byte left in the question file must not count as answered.
        const auto stored = state.AllQuestions.At(number - 1);
        std::vector<std::uint8_t> record(stored.begin(), stored.end());
        if (!record.empty())
            record[0] = 0;
        state.RunList.Add(record);
    }
}

void RunQAPages(QuizRunState& state, RunSteps& steps) {
    state.ResetCounters();
    state.LastPage = false;
    const int pageCount = static_cast<int>(state.Pages.sizes.size());
    for (int page = 1; page <= pageCount; ++page) {
        state.CurrentPage = page;
        state.LastPage = page == pageCount;
        steps.ShowQAPage();
        if (state.QuitRequested)
            break;
    }
}

void RunQuestionSequence(QuizRunState& state, RunSteps& steps) {
    state.ResetCounters();
    for (int i = 0; i < state.QuestionsToTake; ++i) {
        state.TakeRecord(i);
        ++state.QuestionNumber;
        steps.ShowQuestion();
        state.PutRecordBack(i);
        if (state.QuitRequested)
            break;
    }
}

void RunQuiz(QuizRunState& state, const QuizSettings& settings, RunSteps& steps,
             RandomSource& random) {
    state.RunList = TRecList();
    state.QuestionOrder.clear();
    try {
        steps.ShowBackground();
        steps.PrepareMediaWindows();
        if (settings.programWindow().useHelpFile())
            steps.UseQuizHelpFile();
        OpeningItems(settings, steps);
        AskTheQuestions(state, settings, steps, random);
        if (!state.QuitRequested)
            ResultsChain(state, settings, steps);
        ClosingItems(settings, steps);
    } catch (...) {
        CleanUp(state, steps);
        throw;
    }
    CleanUp(state, steps);
}

} // namespace tavrin
