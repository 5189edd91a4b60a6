#include "ui/runtime/ProjectQuizSource.h"

#include "core/topics/TopicFile.h"

namespace tavrin {

std::vector<std::vector<std::uint8_t>> ProjectQuizSource::questionRecords() const {
    return project_.questions().LoadAllQuestions();
}

std::optional<std::vector<std::string>>
ProjectQuizSource::findTopic(std::string_view name, std::string_view source) const {
    std::vector<std::string> lines;
    if (!FindTopic(project_.topicFile, name, source, lines))
        return std::nullopt;
    return lines;
}

std::optional<std::vector<std::string>> ProjectQuizSource::introduction() const {
    std::vector<std::string> lines;
    if (!ReadIntroduction(project_.topicFile, lines))
        return std::nullopt;
    return lines;
}

} // namespace tavrin
