#include <QApplication>
#include <QPixmap>
#include <QTest>
#include <cstdlib>

#include "core/project/ProjectState.h"
#include "support/GuiTestSupport.h"
#include "ui/present/quiz/TMCTestForm.h"
#include "ui/present/quiz/TQCustForm.h"
#include "ui/present/quiz/TQPresentForm.h"
#include "ui/present/quiz/TQuestionDesignForm.h"

// Pictures of the quiz presentation dialogs for the README. Runs only when
// TAVRIN_SCREENSHOT_DIR names a folder; the windows are grabbed, so the
// offscreen platform serves as well as a display.
namespace tavrin::test {
namespace {

class PresentationScreenshot : public GuiTest {
protected:
    void SetUp() override {
        const char* folder = std::getenv("TAVRIN_SCREENSHOT_DIR");
        if (folder == nullptr)
            GTEST_SKIP() << "TAVRIN_SCREENSHOT_DIR names no folder";
        folder_ = QString::fromLocal8Bit(folder);
        state.quizKind = QuizKind::MC;
        InitQuizSettings(state.settings);
        state.settings.setUseTitleBar(true);
        state.settings.setTitleBarText("Birds of the Garden");
        state.settings.setTitleBarColour(0x00704214);
        state.settings.setTitleFont("16 16777215 1 DejaVu Serif");
        state.settings.setAnswerHighlightColour(0x000080C0);
        auto window = state.settings.programWindow();
        window.setProgramTitle("Garden Birds Quiz");
        state.settings.setProgramWindow(window);
    }

    void Capture(QWidget& window, const QString& name) {
        window.show();
        QTest::qWait(50);
        const QString file = folder_ + QStringLiteral("/present-") + name + QStringLiteral(".png");
        EXPECT_TRUE(window.grab().save(file)) << file.toStdString();
        window.hide();
    }

    QString folder_;
    ProjectState state;
};

TEST_F(PresentationScreenshot, MenuDesignerAndSample) {
    TQCustForm menu(platform, state);
    Capture(menu, QStringLiteral("menu"));
    TQPresentForm display(platform, state);
    Capture(display, QStringLiteral("question-display"));
    state.quizKind = QuizKind::QA;
    TQuestionDesignForm designer(platform, state.settings);
    Capture(designer, QStringLiteral("match-designer"));
    TMCTestForm sample(platform, state.settings);
    Capture(sample, QStringLiteral("multiple-choice-sample"));
}

} // namespace
} // namespace tavrin::test
