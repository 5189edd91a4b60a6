#include "ui/runtime/PreviewQuiz.h"

#include <exception>

#include "core/run/RunConductor.h"
#include "ui/runtime/QuizRunWindows.h"
#include "ui/runtime/TMCDisplayForm.h"
#include "ui/runtime/TPrevAnsForm.h"
#include "ui/runtime/TTIDispForm.h"

namespace tavrin {
namespace {

bool LoadAllQuestions(Platform& platform, const QuizSource& source, QuizRunState& state) {
    try {
        for (const auto& record : source.questionRecords()) {
            if (static_cast<int>(record.size()) != state.recordSize())
                continue;
            state.AllQuestions.Add(record);
        }
    } catch (const std::exception& error) {
        platform.ShowError(QString::fromStdString(error.what()));
        return false;
    }
    if (const auto refusal = WhyRunRefused(state.AllQuestions.Count())) {
        platform.ShowError(QString::fromStdString(*refusal));
        return false;
    }
    return true;
}

} // namespace

void PreviewQuiz(Platform& platform, const QuizSource& source, const std::string& quizFile,
                 TopicPresenter& topics, RandomSource& random, QWidget* parent) {
    QuizRunState state(source.kind());
    state.quizFile = quizFile;
    if (!LoadAllQuestions(platform, source, state))
        return;
    QuizSettings settings;
    try {
        settings = source.settings();
    } catch (const std::exception& error) {
        platform.ShowError(QString::fromStdString(error.what()));
        return;
    }
    RunContext run(platform, state, settings, random, topics, source);
    QuizRunWindows windows(run, parent);
    try {
        RunQuiz(state, settings, windows, random);
    } catch (const std::exception& error) {
        platform.ShowError(QString::fromStdString(error.what()));
    }
}

void ViewStoredQuestion(Platform& platform, const QuizSource& source,
                        const std::vector<std::uint8_t>& record, TopicPresenter& topics,
                        RandomSource& random, QWidget* parent) {
    QuizRunState state(source.kind());
    QuizSettings settings;
    try {
        settings = source.settings();
        if (state.kind == QuizKind::QA)
            state.qaRecord.assignBytes(record);
        else
            state.tmRecord.assignBytes(record);
    } catch (const std::exception& error) {
        platform.ShowError(QString::fromStdString(error.what()));
        return;
    }
    state.PrepareRunOfOne();
    RunContext run(platform, state, settings, random, topics, source);
    if (state.kind == QuizKind::QA) {
        ViewQAQuestion(run, parent);
    } else if (state.kind == QuizKind::TI) {
        TTIDispForm form(run, parent);
        platform.RunModal(form);
    } else {
        TMCDisplayForm form(run, parent);
        platform.RunModal(form);
    }
}

} // namespace tavrin
