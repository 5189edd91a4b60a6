#pragma once

#include "core/project/ProjectState.h"
#include "core/run/QuizSource.h"

namespace tavrin {

// The quiz open in the authoring program, read from its folder: the settings
// as the author last left them in memory, the question file and the topic
// file as they are on disk now.
class ProjectQuizSource : public QuizSource {
public:
    explicit ProjectQuizSource(const ProjectState& project) : project_(project) {}

    QuizKind kind() const override { return project_.quizKind; }
    QuizSettings settings() const override { return project_.settings; }
    std::vector<std::vector<std::uint8_t>> questionRecords() const override;
    std::optional<std::vector<std::string>> findTopic(std::string_view name,
                                                      std::string_view source) const override;
    std::optional<std::vector<std::string>> introduction() const override;
    std::filesystem::path mediaFolder() const override { return project_.quizFolder; }

private:
    const ProjectState& project_;
};

} // namespace tavrin
