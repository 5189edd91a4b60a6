#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <cstdlib>

#include "RunTestSupport.h"
#include "support/GuiTestSupport.h"
#include "ui/runtime/ChoiceLabel.h"
#include "ui/runtime/TDispQForm.h"
#include "ui/runtime/TMCDisplayForm.h"
#include "ui/runtime/TResultsForm.h"
#include "ui/runtime/TTIDispForm.h"

// Pictures of the run windows for the documentation. Runs only when
// TAVRIN_SCREENSHOT_DIR names a folder and a real display is in use; see
// scripts/runtime-screenshots.
namespace tavrin::test {
namespace {

class RuntimeScreenshot : public GuiTest {
protected:
    void SetUp() override {
        const char* folder = std::getenv("TAVRIN_SCREENSHOT_DIR");
        if (folder == nullptr || QGuiApplication::platformName() != QStringLiteral("xcb"))
            GTEST_SKIP() << "screenshots are taken on an X display only";
        folder_ = QString::fromLocal8Bit(folder);
    }

    // Shows the window as the learner sees it and captures it with `import`.
    void Capture(QWidget& window, const QString& name) {
        window.show();
        window.raise();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(400);
        const QString file = folder_ + QStringLiteral("/runtime-") + name + QStringLiteral(".png");
        const int status =
            QProcess::execute(QStringLiteral("import"),
                              {QStringLiteral("-window"), QString::number(window.winId()), file});
        EXPECT_EQ(status, 0) << file.toStdString();
    }

    static QuizSettings Settings() {
        QuizSettings settings;
        InitQuizSettings(settings);
        settings.setUseTitleBar(true);
        settings.setTitleBarText("World Capitals");
        auto window = settings.programWindow();
        window.setProgramTitle("Geography Quiz");
        settings.setProgramWindow(window);
        return settings;
    }

    QString folder_;
    RecordingPresenter presenter;
    KeepOrder random;
};

TEST_F(RuntimeScreenshot, MatchPage) {
    MemoryQuizSource source(QuizKind::QA);
    QuizRunState state(QuizKind::QA);
    const char* pairs[6][2] = {{"France", "Paris"}, {"Italy", "Rome"}, {"Spain", "Madrid"},
                               {"Norway", "Oslo"},  {"Peru", "Lima"},  {"Japan", "Tokyo"}};
    for (const auto& pair : pairs)
        state.RunList.Add(
            QAQuestion(pair[0], std::string("Capital of ") + pair[0], pair[1]).view());
    state.QuestionsToTake = 6;
    state.QuestionNumber = 1;
    state.QuestionsCorrect = 1;
    state.Pages = PlanPages(6);
    state.CurrentPage = 1;
    const QuizSettings settings = Settings();
    ClockRandom clock;
    RunContext run(platform, state, settings, clock, presenter, source);
    TDispQForm form(run);
    QTest::mouseClick(form.questionLabels[2], Qt::LeftButton);
    Capture(form, QStringLiteral("match"));
}

TEST_F(RuntimeScreenshot, TypeAnAnswer) {
    MemoryQuizSource source(QuizKind::TI);
    QuizRunState state(QuizKind::TI);
    state.tmRecord = TIQuestion("CAPITAL", "What is the capital of France?", {"PARIS"}, "Paris");
    state.tmRecord.setQuestionLine(3, "Type the name of the city and press Enter.");
    state.QuestionsToTake = 5;
    state.QuestionNumber = 2;
    state.QuestionsCorrect = 1;
    const QuizSettings settings = Settings();
    RunContext run(platform, state, settings, random, presenter, source);
    TTIDispForm form(run);
    form.Edit1->setText(QStringLiteral("paris"));
    form.BitBtn2Click();
    Capture(form, QStringLiteral("type-an-answer"));
}

TEST_F(RuntimeScreenshot, MultipleChoice) {
    MemoryQuizSource source(QuizKind::MC);
    QuizRunState state(QuizKind::MC);
    state.tmRecord = MCQuestion("RIVER", "Which river flows through Vienna?", "The Danube",
                                {"The Rhine", "The Elbe", "The Seine", "The Thames"});
    state.QuestionsToTake = 5;
    state.QuestionNumber = 3;
    state.QuestionsCorrect = 2;
    const QuizSettings settings = Settings();
    ClockRandom clock;
    RunContext run(platform, state, settings, clock, presenter, source);
    TMCDisplayForm form(run);
    QTest::keyClick(&form, Qt::Key_Down);
    Capture(form, QStringLiteral("multiple-choice"));
}

TEST_F(RuntimeScreenshot, Results) {
    MemoryQuizSource source(QuizKind::MC);
    QuizRunState state(QuizKind::MC);
    state.QuestionsToTake = 5;
    state.QuestionsCorrect = 4;
    state.PercentCorrect = 80;
    const QuizSettings settings = Settings();
    RunContext run(platform, state, settings, random, presenter, source);
    TResultsForm form(run);
    Capture(form, QStringLiteral("results"));
}

} // namespace
} // namespace tavrin::test
