#include "player/PlayQuiz.h"

#include "core/files/RandomSource.h"
#include "ui/runtime/MediaTopicPresenter.h"
#include "ui/runtime/PreviewQuiz.h"

namespace tavrin {

bool PlayQuiz(Platform& platform, const QuizSource& source, const std::filesystem::path& quizFile) {
    // The learner's run is the author's preview, played from the compiled data.
    MediaTopicPresenter topics(
        platform, MediaSession::ForQuizFolder(std::filesystem::absolute(quizFile).parent_path()));
    ClockRandom random;
    PreviewQuiz(platform, source, quizFile.string(), topics, random);
    return true;
}

} // namespace tavrin
