#include "core/run/FolderQuizSource.h"

#include "core/bytes/FileError.h"
#include "core/files/FolderNames.h"
#include "core/questions/QuestionFile.h"
#include "core/topics/TopicFile.h"

namespace tavrin {
namespace fs = std::filesystem;

FolderQuizSource::FolderQuizSource(QuizFileSet files, std::optional<QuizSettings> settings)
    : files_(std::move(files)), settings_(std::move(settings)) {}

QuizSettings FolderQuizSource::settings() const {
    if (settings_)
        return *settings_;
    const auto quizFile = ResolveDiskFile(files_.quizFolder, files_.quizFile);
    return LoadQuizSettings(quizFile ? *quizFile : files_.quizFolder / files_.quizFile);
}

std::vector<std::vector<std::uint8_t>> FolderQuizSource::questionRecords() const {
    const auto questionFile = ResolveDiskFile(files_.quizFolder, files_.questionFile);
    if (!questionFile)
        return {};
    return QuestionFile(*questionFile, files_.kind).LoadAllQuestions();
}

std::optional<fs::path> FolderQuizSource::topicFile() const {
    return ResolveDiskFile(files_.quizFolder, files_.topicFile);
}

std::optional<std::vector<std::string>> FolderQuizSource::findTopic(std::string_view name,
                                                                    std::string_view source) const {
    const auto file = topicFile();
    std::vector<std::string> lines;
    if (!file || !FindTopic(*file, name, source, lines))
        return std::nullopt;
    return lines;
}

std::optional<std::vector<std::string>> FolderQuizSource::introduction() const {
    const auto file = topicFile();
    std::vector<std::string> text;
    if (!file || !ReadIntroduction(*file, text))
        return std::nullopt;
    return text;
}

} // namespace tavrin
