#include "player/PlayQuiz.h"

#include "core/RandomSource.h"
#include "ui/runtime/PreviewQuiz.h"
#include "ui/runtime/TopicPresenter.h"

namespace tavrin {

bool PlayQuiz(Platform& platform, const QuizSource& source, const std::filesystem::path& quizFile) {
    // The learner's run is the author's preview, played from the compiled data.
    PendingTopicPresenter topics(platform);
    ClockRandom random;
    PreviewQuiz(platform, source, quizFile.string(), topics, random);
    return true;
}

} // namespace tavrin
