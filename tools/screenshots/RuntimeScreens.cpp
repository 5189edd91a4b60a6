#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <cstdlib>
#include <memory>

#include "RunTestSupport.h"
#include "support/GuiTestSupport.h"
#include "ui/hyper/TMediaPlayForm.h"
#include "ui/runtime/ChoiceLabel.h"
#include "ui/runtime/TDispQForm.h"
#include "ui/runtime/TMCDisplayForm.h"
#include "ui/runtime/TResultsForm.h"
#include "ui/runtime/TTIDispForm.h"

// Pictures of the run windows for the documentation. Runs only when
// TAVRIN_SCREENSHOT_DIR names a folder and a real display is in use; see
// scripts/screenshots.
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
        Show(window);
        CaptureWindow(QString::number(window.winId()), name);
    }

    static void Show(QWidget& window) {
        window.show();
        window.raise();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(400);
    }

    // `window` is an X window id, or "root" for the whole screen.
    void CaptureWindow(const QString& window, const QString& name) {
        const QString file = folder_ + QStringLiteral("/runtime-") + name + QStringLiteral(".png");
        const int status =
            QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), window, file});
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

    // The run of `kind` at question `number` of five, `correct` answered rightly.
    RunContext& Run(QuizKind kind, int number, int correct) {
        source_ = std::make_unique<MemoryQuizSource>(kind);
        state_ = std::make_unique<QuizRunState>(kind);
        state_->QuestionsToTake = 5;
        state_->QuestionNumber = number;
        state_->QuestionsCorrect = correct;
        run_ =
            std::make_unique<RunContext>(platform, *state_, settings_, clock_, presenter, *source_);
        return *run_;
    }

    QString folder_;
    RecordingPresenter presenter;
    ClockRandom clock_;
    const QuizSettings settings_ = Settings();
    std::unique_ptr<MemoryQuizSource> source_;
    std::unique_ptr<QuizRunState> state_;
    std::unique_ptr<RunContext> run_;
};

TEST_F(RuntimeScreenshot, MatchPage) {
    RunContext& run = Run(QuizKind::QA, 1, 1);
    const char* pairs[6][2] = {{"France", "Paris"}, {"Italy", "Rome"}, {"Spain", "Madrid"},
                               {"Norway", "Oslo"},  {"Peru", "Lima"},  {"Japan", "Tokyo"}};
    for (const auto& pair : pairs)
        state_->RunList.Add(
            QAQuestion(pair[0], std::string("Capital of ") + pair[0], pair[1]).view());
    state_->QuestionsToTake = 6;
    state_->Pages = PlanPages(6);
    state_->CurrentPage = 1;
    TDispQForm form(run);
    QTest::mouseClick(form.questionLabels[2], Qt::LeftButton);
    Capture(form, QStringLiteral("match"));
}

TEST_F(RuntimeScreenshot, TypeAnAnswer) {
    RunContext& run = Run(QuizKind::TI, 2, 1);
    state_->tmRecord = TIQuestion("CAPITAL", "What is the capital of France?", {"PARIS"}, "Paris");
    state_->tmRecord.setQuestionLine(3, "Type the name of the city and press Enter.");
    TTIDispForm form(run);
    form.Edit1->setText(QStringLiteral("paris"));
    form.BitBtn2Click();
    Capture(form, QStringLiteral("type-an-answer"));
}

TEST_F(RuntimeScreenshot, MultipleChoice) {
    RunContext& run = Run(QuizKind::MC, 3, 2);
    state_->tmRecord = MCQuestion("RIVER", "Which river flows through Vienna?", "The Danube",
                                  {"The Rhine", "The Elbe", "The Seine", "The Thames"});
    TMCDisplayForm form(run);
    QTest::keyClick(&form, Qt::Key_Down);
    Capture(form, QStringLiteral("multiple-choice"));
}

TEST_F(RuntimeScreenshot, TunePlayerBesideAQuestion) {
    RunContext& run = Run(QuizKind::MC, 3, 2);
    state_->tmRecord = MCQuestion("RIVER", "Which river flows through Vienna?", "The Danube",
                                  {"The Rhine", "The Elbe", "The Seine", "The Thames"});
    TMCDisplayForm question(run);
    Show(question);
    TMediaPlayForm player(platform, QStringLiteral("Geography Quiz"),
                          folder_ + QStringLiteral("/none.mid"),
                          QStringLiteral("Press the Start button"));
    Show(player);
    CaptureWindow(QStringLiteral("root"), QStringLiteral("tune-player"));
}

TEST_F(RuntimeScreenshot, Results) {
    RunContext& run = Run(QuizKind::MC, 5, 4);
    state_->PercentCorrect = 80;
    TResultsForm form(run);
    Capture(form, QStringLiteral("results"));
}

} // namespace
} // namespace tavrin::test
