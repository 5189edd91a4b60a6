#include "ui/runtime/RunContext.h"

#include "ui/runtime/RunStyle.h"

namespace tavrin {

RunContext::RunContext(Platform& platform_, QuizRunState& state_, const QuizSettings& settings_,
                       RandomSource& random_, TopicPresenter& topics_, const QuizSource& source_)
    : platform(platform_), state(state_), settings(settings_), random(random_), topics(topics_),
      source(source_), texts_(settings_.customTexts()) {}

QString RunContext::text(CustomTexts::CustomText which) const {
    return ShownText(texts_.text(which));
}

QString RunContext::programTitle() const {
    return ShownText(settings.programWindow().programTitle());
}

int RunContext::helpContext() const {
    const auto window = settings.programWindow();
    return window.useHelpFile() ? window.helpStartTopic() : 0;
}

bool RunContext::ConfirmQuit() {
    if (!platform.AskYesNo(text(CustomTexts::kQuitConfirmation) + QStringLiteral("\r\n")))
        return false;
    state.QuitRequested = true;
    return true;
}

void RunContext::ShowInformation(const std::string& topicName) {
    auto lines = source.findTopic(topicName, "HYPER");
    if (!lines || lines->empty())
        return;
    lines->front().clear();
    topics.ShowTopic(*lines);
}

} // namespace tavrin
