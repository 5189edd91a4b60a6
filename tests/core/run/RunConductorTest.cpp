#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/run/RunConductor.h"

namespace tavrin {
namespace {

class FirstDraw : public RandomSource {
public:
    int Uniform(int low, int) override { return low; }
};

// Logs every step; `onQuestion` lets a test answer or quit.
class RecordingSteps : public RunSteps {
public:
    explicit RecordingSteps(QuizRunState& state) : state_(state) {}

    std::vector<std::string> log;
    std::function<void()> onQuestion;
    std::string throwAt;
    int questionsToTake = 0;

    void ShowBackground() override { step("background"); }
    void CloseBackground() override { step("close background"); }
    void PrepareMediaWindows() override { step("media"); }
    void UseQuizHelpFile() override { step("quiz help"); }
    void RestoreProgramHelpFile() override { step("program help"); }
    void ShowMultimedia(const std::string& c) override { step("multimedia " + c); }
    void RunProgram(int type, const std::string& c) override {
        step("program " + std::to_string(type) + " " + c);
    }
    void OpenDocument(const std::string& c) override { step("document " + c); }
    void ShowAboutBox() override { step("about"); }
    void ShowIntroduction() override { step("introduction"); }
    int AskQuestionsToTake(int total, int offered) override {
        step("ask " + std::to_string(total) + " " + std::to_string(offered));
        return questionsToTake;
    }
    void OfferPreQuizList() override { step("pre list"); }
    void ShowQAPage() override {
        step("page " + std::to_string(state_.CurrentPage) + (state_.LastPage ? " last" : ""));
        if (onQuestion)
            onQuestion();
    }
    void ShowQuestion() override {
        step("question " + std::to_string(state_.QuestionNumber));
        if (onQuestion)
            onQuestion();
    }
    void ShowResults() override { step("results"); }
    void ShowGroupFeedback() override { step("feedback " + std::to_string(state_.ScoreGroup)); }
    void SaveResultsFile() override { step("results file"); }
    void OfferPrintResults() override { step("print"); }
    void WriteSwapFile() override { step("swap file"); }
    void OfferPostQuizList() override { step("post list"); }

private:
    void step(const std::string& name) {
        log.push_back(name);
        if (!throwAt.empty() && name.starts_with(throwAt))
            throw std::runtime_error("failed at " + name);
    }
    QuizRunState& state_;
};

void AddQuestions(QuizRunState& state, int count) {
    for (int i = 1; i <= count; ++i) {
        if (state.kind == QuizKind::QA) {
            TQARecord record;
            record.setIdentifier("Q" + std::to_string(i));
            state.AllQuestions.Add(record.view());
        } else {
            TTMRecord record;
            record.setIdentifier("Q" + std::to_string(i));
            state.AllQuestions.Add(record.view());
        }
    }
}

CommandRecord Command(std::int16_t type, const std::string& text) {
    CommandRecord command;
    command.setCommandType(type);
    command.setRunCommand(text);
    return command;
}

QuizSettings EverythingOn() {
    QuizSettings settings;
    InitQuizSettings(settings);
    settings.setTakeAllQuestions(false);
    settings.setAllowQuestionPreview(true);
    settings.setAllowPostQuizReview(true);
    settings.setSaveResultsToDisk(true);
    settings.setSaveResultsToPrinter(true);
    settings.setUseDataSwapFile(true);
    auto window = settings.programWindow();
    window.setUseHelpFile(true);
    settings.setProgramWindow(window);
    auto screens = settings.programScreens();
    screens.setRunOpeningCommand(true);
    screens.setOpeningCommand(Command(2, "OPEN.BMP,5"));
    screens.setRunClosingCommand(true);
    screens.setClosingCommand(Command(4, "BYE.EXE"));
    screens.setShowAboutBox(true);
    auto about = screens.aboutBox();
    about.setWhenToShow(AboutBoxDesign::kAtStartAndEnd);
    screens.setAboutBox(about);
    screens.setShowIntroduction(true);
    settings.setProgramScreens(screens);
    return settings;
}

TEST(RunConductor, MatchQuizRunsEveryStepInOrder) {
    QuizRunState state(QuizKind::QA);
    AddQuestions(state, 25);
    RecordingSteps steps(state);
    steps.questionsToTake = 21;
    steps.onQuestion = [&] {
        state.QuestionsCorrect += 3;
        state.UpdatePercent();
    };
    FirstDraw random;
    RunQuiz(state, EverythingOn(), steps, random);

    const std::vector<std::string> expected = {"background",   "media",
                                               "quiz help",    "multimedia OPEN.BMP,5",
                                               "about",        "introduction",
                                               "ask 25 25",    "pre list",
                                               "page 1",       "page 2",
                                               "page 3 last",  "results",
                                               "feedback 4", // 9 of 21 correct is 42 %
                                               "results file", "print",
                                               "swap file",    "post list",
                                               "about",        "program 4 BYE.EXE",
                                               "program help", "close background"};
    EXPECT_EQ(steps.log, expected);
    EXPECT_EQ(state.QuestionsToTake, 21);
    EXPECT_EQ(state.Pages.sizes, (std::vector<int>{10, 6, 5}));
    EXPECT_EQ(state.RunList.Count(), 0) << "the run list lives only as long as the run";
}

TEST(RunConductor, QuitOnTheFirstQuestionSkipsResultsButNotTheClosingItems) {
    QuizRunState state(QuizKind::MC);
    AddQuestions(state, 3);
    RecordingSteps steps(state);
    steps.onQuestion = [&] { state.QuitRequested = true; };
    auto settings = EverythingOn();
    auto screens = settings.programScreens();
    auto about = screens.aboutBox();
    about.setWhenToShow(AboutBoxDesign::kAtEnd);
    screens.setAboutBox(about);
    screens.setOpeningCommand(Command(5, "X")); // a type that shows nothing
    screens.setShowIntroduction(false);
    screens.setClosingCommand(Command(10, "notes.html"));
    settings.setProgramScreens(screens);
    settings.setTakeAllQuestions(true);
    FirstDraw random;
    RunQuiz(state, settings, steps, random);

    const std::vector<std::string> expected = {
        "background",          "media",        "quiz help",       "pre list", "question 1", "about",
        "document notes.html", "program help", "close background"};
    EXPECT_EQ(steps.log, expected);
}

TEST(RunConductor, AnErrorEndsTheRunButStillCleansUp) {
    QuizRunState state(QuizKind::TI);
    AddQuestions(state, 2);
    RecordingSteps steps(state);
    steps.throwAt = "results file";
    auto settings = EverythingOn();
    settings.setTakeAllQuestions(true);
    FirstDraw random;
    EXPECT_THROW(RunQuiz(state, settings, steps, random), std::runtime_error);
    ASSERT_GE(steps.log.size(), 3u);
    EXPECT_EQ(steps.log[steps.log.size() - 3], "results file");
    EXPECT_EQ(steps.log[steps.log.size() - 2], "program help");
    EXPECT_EQ(steps.log.back(), "close background");
    EXPECT_EQ(state.RunList.Count(), 0);
    EXPECT_TRUE(state.QuestionOrder.empty());
}

TEST(RunConductor, RunListStartsEveryQuestionUnanswered) {
    // A question file may carry a stray deleted byte; in the run that byte is
    // the answered-correctly mark and must start clear.
    QuizRunState state(QuizKind::MC);
    AddQuestions(state, 2);
    std::vector<std::uint8_t> stray(state.AllQuestions.At(1).begin(),
                                    state.AllQuestions.At(1).end());
    stray[0] = 1;
    state.AllQuestions.Put(1, stray);
    state.QuestionOrder = {2, 1};
    BuildRunList(state);
    EXPECT_EQ(state.RunList.At(0)[0], 0);
    EXPECT_EQ(state.RunList.At(0)[1], 2); // the identifier "Q2" follows untouched
    EXPECT_EQ(state.RunList.At(0)[3], '2');
}

TEST(RunConductor, SequenceCarriesTheMarkBackIntoTheRunList) {
    QuizRunState state(QuizKind::TI);
    AddQuestions(state, 3);
    state.QuestionOrder = {3, 1, 2};
    state.QuestionsToTake = 3;
    BuildRunList(state);
    RecordingSteps steps(state);
    steps.onQuestion = [&] {
        if (state.QuestionNumber == 2) {
            state.tmRecord.setDeleted(true);
            ++state.QuestionsCorrect;
        }
    };
    RunQuestionSequence(state, steps);
    const auto asked = state.AskedQuestions();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[0].identifier, "Q3");
    EXPECT_FALSE(asked[0].correct);
    EXPECT_EQ(asked[1].identifier, "Q1");
    EXPECT_TRUE(asked[1].correct);
    EXPECT_FALSE(asked[2].correct);
    EXPECT_EQ(state.QuestionsCorrect, 1);
    state.ScoreCorrect(1); // scoring the same question again counts once
    EXPECT_EQ(state.QuestionsCorrect, 1);
}

TEST(RunConductor, AskedCountIsKeptWithinTheCapAndTheOfferedQuestions) {
    QuizRunState state(QuizKind::TI);
    AddQuestions(state, kMaxQuestionsPerRun + 3);
    RecordingSteps steps(state);
    QuizSettings settings;
    InitQuizSettings(settings);
    ClockRandom random;
    std::set<std::string> drawn;
    steps.onQuestion = [&] { drawn.insert(state.tmRecord.identifier()); };
    RunQuiz(state, settings, steps, random);
    EXPECT_EQ(state.QuestionsToTake, kMaxQuestionsPerRun);
    EXPECT_EQ(static_cast<int>(drawn.size()), kMaxQuestionsPerRun);
    EXPECT_EQ(state.TotalQuestions, kMaxQuestionsPerRun + 3);

    QuizRunState few(QuizKind::MC); // more asked for than offered
    AddQuestions(few, 4);
    RecordingSteps fewSteps(few);
    fewSteps.questionsToTake = 9;
    settings.setTakeAllQuestions(false);
    FirstDraw first;
    RunQuiz(few, settings, fewSteps, first);
    EXPECT_EQ(few.QuestionsToTake, 4);
}

} // namespace
} // namespace tavrin
