#include "player/PlayerLaunch.h"

#include <algorithm>
#include <exception>

#include "core/build/ExecutableQuiz.h"
#include "core/files/FileIO.h"
#include "core/files/SharedRoutines.h"
#include "core/questions/QuizKind.h"
#include "player/PlayQuiz.h"

namespace tavrin {

namespace fs = std::filesystem;

namespace {

QString toQt(const fs::path& path) {
    return QString::fromStdString(path.string());
}

void reportUnplayable(Platform& platform, const fs::path& file, const std::exception& error) {
    platform.ShowError(QStringLiteral("The quiz in %1 cannot be played.\n%2")
                           .arg(toQt(file), QString::fromStdString(error.what())));
}

// True when `self` is the bare stub, with nothing behind its image.
bool holdsNothingBehindImage(const fs::path& self) {
    try {
        const auto bytes = ReadFileBytes(self);
        return StubImageLength(bytes) >= bytes.size();
    } catch (const std::exception&) {
        return false;
    }
}

// The results of a run are named after the quiz: NAME and the quiz file's
// extension of its kind, beside the file that was played.
fs::path quizFileBeside(const fs::path& played, QuizKind kind) {
    return played.parent_path() /
           (QuizBaseName(played.filename().string()) + ExtensionsOf(kind).quiz);
}

std::optional<fs::path> askForCompiledQuiz(Platform& platform) {
    FileDialogRequest request;
    request.caption = QStringLiteral("Open a Quiz");
    request.filter = QStringLiteral("Compiled Quizzes|*.QAC;*.TIC;*.MCC|All Files|*.*");
    request.mustExist = true;
    const auto chosen = platform.GetOpenFileName(request);
    if (!chosen)
        return std::nullopt;
    return fs::path(chosen->toStdString());
}

// An executable quiz starts with the program image; the quiz runner plays
// only the compiled quiz.
bool isProgramImage(const fs::path& file) {
    static constexpr std::uint8_t kElfMagic[] = {0x7F, 'E', 'L', 'F'};
    try {
        const auto head = ReadFileRange(file, 0, sizeof kElfMagic);
        return std::equal(head.begin(), head.end(), std::begin(kElfMagic), std::end(kElfMagic));
    } catch (const std::exception&) {
        return false;
    }
}

QuizToPlay openCompiledFile(Platform& platform, const fs::path& file) {
    if (isProgramImage(file)) {
        platform.ShowError(QStringLiteral("%1 is an executable quiz, not a compiled quiz.\nStart "
                                          "it on its own; the quiz runner plays NAME.QAC, "
                                          "NAME.TIC or NAME.MCC.")
                               .arg(toQt(file.filename())));
        return {nullptr, {}, true};
    }
    try {
        auto source =
            std::make_unique<CompiledQuizSource>(CompiledQuizSource::fromCompiledFile(file));
        const QuizKind kind = source->kind();
        return {std::move(source), quizFileBeside(file, kind)};
    } catch (const std::exception& error) {
        reportUnplayable(platform, file, error);
        return {nullptr, {}, true};
    }
}

QuizToPlay openAppendedQuiz(Platform& platform, const fs::path& self) {
    try {
        auto source =
            std::make_unique<CompiledQuizSource>(CompiledQuizSource::fromExecutable(self));
        const QuizKind kind = source->kind();
        return {std::move(source), quizFileBeside(self, kind)};
    } catch (const std::exception& error) {
        if (holdsNothingBehindImage(self))
            platform.ShowError(
                QStringLiteral("%1 holds no quiz.\nAn executable quiz is made with \"Create "
                               "Executable\" in the quiz manager.")
                    .arg(toQt(self.filename())));
        else
            reportUnplayable(platform, self, error);
        return {nullptr, {}, true};
    }
}

} // namespace

QuizToPlay OpenQuizToPlay(Platform& platform, PlayerProgram program, const QStringList& arguments,
                          const fs::path& self) {
    if (program == PlayerProgram::kRunnerStub)
        return openAppendedQuiz(platform, fs::absolute(self));
    std::optional<fs::path> file;
    if (!arguments.isEmpty())
        file = fs::path(arguments.front().toStdString());
    else
        file = askForCompiledQuiz(platform);
    if (!file)
        return {};
    return openCompiledFile(platform, fs::absolute(*file));
}

int RunPlayer(Platform& platform, PlayerProgram program, const QStringList& arguments,
              const fs::path& self) {
    QuizToPlay quiz = OpenQuizToPlay(platform, program, arguments, self);
    if (!quiz.source)
        return quiz.refused ? 1 : 0;
    return PlayQuiz(platform, *quiz.source, quiz.quizFile) ? 0 : 1;
}

} // namespace tavrin
