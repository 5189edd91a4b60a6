#pragma once

#include <QString>
#include <string>

#include "core/files/RandomSource.h"
#include "core/run/QuizRunState.h"
#include "core/run/QuizSource.h"
#include "core/settings/CustomTexts.h"
#include "core/settings/QuizSettings.h"
#include "platform/Platform.h"
#include "ui/runtime/TopicPresenter.h"

namespace tavrin {

// What every window of a quiz run shares: the platform, the run's state and
// settings, the random generator, the quiz data and the topic windows.
class RunContext {
public:
    RunContext(Platform& platform, QuizRunState& state, const QuizSettings& settings,
               RandomSource& random, TopicPresenter& topics, const QuizSource& source);

    Platform& platform;
    QuizRunState& state;
    const QuizSettings& settings;
    RandomSource& random;
    TopicPresenter& topics;
    const QuizSource& source;

    const CustomTexts& texts() const { return texts_; }
    QString text(CustomTexts::CustomText which) const;
    // The program title: every run window's caption.
    QString programTitle() const;
    // F1 in a run window: the quiz help file's start topic when it has one.
    int helpContext() const;

    // Asks the custom quit question; true (and the run marked as quit) on Yes.
    bool ConfirmQuit();
    // Shows the topic (name, "HYPER") with its first line blanked; nothing
    // when the quiz has no such topic.
    void ShowInformation(const std::string& topicName);

private:
    CustomTexts texts_;
};

} // namespace tavrin
