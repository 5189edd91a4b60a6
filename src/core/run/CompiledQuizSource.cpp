#include "core/run/CompiledQuizSource.h"

#include "core/build/ExecutableQuiz.h"
#include "core/files/FolderNames.h"

namespace tavrin {
namespace fs = std::filesystem;
namespace {

std::string topicKey(std::string_view name, std::string_view source) {
    return UpperAscii(name) + '\t' + UpperAscii(source);
}

} // namespace

CompiledQuizSource::CompiledQuizSource(CompiledQuiz quiz, fs::path mediaFolder)
    : quiz_(std::move(quiz)), mediaFolder_(std::move(mediaFolder)) {
    if (const TopicIndex* topics = quiz_.topics()) {
        for (std::size_t i = 0; i < topics->size(); ++i)
            lastTopic_[topicKey(topics->topicName(i), topics->topicSource(i))] = i;
    }
}

CompiledQuizSource CompiledQuizSource::fromCompiledFile(const fs::path& path) {
    return CompiledQuizSource(CompiledQuiz::fromFile(path), path.parent_path());
}

CompiledQuizSource CompiledQuizSource::fromExecutable(const fs::path& path) {
    return CompiledQuizSource(ReadAppendedQuiz(path), path.parent_path());
}

QuizSettings CompiledQuizSource::settings() const {
    QuizSettings settings;
    settings.assignBytes(quiz_.settingsBytes());
    return settings;
}

std::vector<std::vector<std::uint8_t>> CompiledQuizSource::questionRecords() const {
    std::vector<std::vector<std::uint8_t>> records;
    records.reserve(quiz_.questionCount());
    for (std::size_t i = 0; i < quiz_.questionCount(); ++i) {
        const auto record = quiz_.questionRecord(i);
        records.emplace_back(record.begin(), record.end());
    }
    return records;
}

std::optional<std::vector<std::string>>
CompiledQuizSource::findTopic(std::string_view name, std::string_view source) const {
    const auto found = lastTopic_.find(topicKey(name, source));
    if (found == lastTopic_.end())
        return std::nullopt;
    return quiz_.topics()->topicLines(found->second);
}

std::optional<std::vector<std::string>> CompiledQuizSource::introduction() const {
    const TopicIndex* topics = quiz_.topics();
    std::vector<std::string> text;
    if (!topics || !topics->readIntroduction(text))
        return std::nullopt;
    return text;
}

} // namespace tavrin
