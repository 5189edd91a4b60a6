#pragma once

#include <QStringList>
#include <filesystem>
#include <memory>

#include "core/run/CompiledQuizSource.h"
#include "platform/Platform.h"

namespace tavrin {

// The two programs that play quizzes for learners: the quiz runner plays a
// compiled quiz file, the runner stub plays the quiz appended to itself.
enum class PlayerProgram { kQuizRunner, kRunnerStub };

// The quiz a player program is to play, with the quiz file name that its
// results are named after; nothing (after telling the learner why, when
// there is a reason) when there is none to play.
struct QuizToPlay {
    std::unique_ptr<CompiledQuizSource> source;
    std::filesystem::path quizFile;
    bool refused = false; // the learner was told why it cannot be played
};

// The quiz runner takes the compiled quiz named by its first argument, or
// asks for one; the stub reads the quiz behind its own image in `self`.
QuizToPlay OpenQuizToPlay(Platform& platform, PlayerProgram program, const QStringList& arguments,
                          const std::filesystem::path& self);

// Opens the quiz and plays it; the program's exit code.
int RunPlayer(Platform& platform, PlayerProgram program, const QStringList& arguments,
              const std::filesystem::path& self);

} // namespace tavrin
