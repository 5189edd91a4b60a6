#include <QDialog>
#include <functional>
#include <memory>

#include "RunTestSupport.h"
#include "core/run/QuizRunRules.h"
#include "support/GuiTestSupport.h"
#include "support/PlainTextCheck.h"
#include "ui/runtime/TDispQForm.h"
#include "ui/runtime/TMCDisplayForm.h"
#include "ui/runtime/TPrevAnsForm.h"
#include "ui/runtime/TQTotakeForm.h"
#include "ui/runtime/TResultsForm.h"
#include "ui/runtime/TTIDispForm.h"
#include "ui/runtime/TTMViewForm.h"

namespace tavrin::test {
namespace {

// Every text a run shows, title and custom texts included, set to `text`.
QuizSettings SettingsShowing(const std::string& text) {
    QuizSettings settings;
    InitQuizSettings(settings);
    settings.setUseTitleBar(true);
    settings.setTitleBarText(text);
    CustomTexts texts = settings.customTexts();
    for (int which = 0; which < CustomTexts::kCount; ++which)
        texts.setText(static_cast<CustomTexts::CustomText>(which), text);
    settings.setCustomTexts(texts);
    return settings;
}

TTMRecord LinesQuestion(const std::string& text) {
    TTMRecord record = MCQuestion("ID", text, text, {text, text, text, text, text});
    for (int line = 2; line <= 6; ++line)
        record.setQuestionLine(line, text);
    return record;
}

class QuizTextShownPlainTest : public GuiTest {
protected:
    RecordingPresenter presenter;
    KeepOrder random;
};

TEST_F(QuizTextShownPlainTest, EveryRunWindowShowsTheQuizTextsAsTyped) {
    using MakeWindow = std::function<std::unique_ptr<QDialog>(RunContext&)>;
    const std::pair<QuizKind, MakeWindow> windows[] = {
        {QuizKind::TI, [](RunContext& run) { return std::make_unique<TTIDispForm>(run); }},
        {QuizKind::MC, [](RunContext& run) { return std::make_unique<TMCDisplayForm>(run); }},
        {QuizKind::QA, [](RunContext& run) { return std::make_unique<TDispQForm>(run); }},
        {QuizKind::MC, [](RunContext& run) { return std::make_unique<TTMViewForm>(run); }},
        {QuizKind::QA, [](RunContext& run) { return std::make_unique<TPrevAnsForm>(run); }},
        {QuizKind::TI, [](RunContext& run) { return std::make_unique<TResultsForm>(run); }},
        {QuizKind::TI,
         [](RunContext& run) {
             return std::make_unique<TQTotakeForm>(
                 run.platform, 0, run.text(CustomTexts::kTotalQuestionsLabel),
                 run.text(CustomTexts::kQuestionsToTakeLabel), 2, 2);
         }},
    };
    for (const QString& shown : MarkupLookingTexts()) {
        const std::string text = shown.toStdString();
        for (const auto& [kind, make] : windows) {
            MemoryQuizSource source(kind);
            const QuizSettings settings = SettingsShowing(text);
            QuizRunState state(kind);
            state.tmRecord = LinesQuestion(text);
            state.qaRecord = QAQuestion("ID", text, text);
            for (int pair = 0; pair < 2; ++pair)
                state.RunList.Add(QAQuestion("ID", text, text).view());
            state.QuestionsToTake = 2;
            state.QuestionNumber = 1;
            state.Pages = PlanPages(2);
            state.CurrentPage = 1;
            RunContext run(platform, state, settings, random, presenter, source);
            const auto form = make(run);
            ExpectLabelsShowLiterally(*form, shown);
        }
    }
}

} // namespace
} // namespace tavrin::test
