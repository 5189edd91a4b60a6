#pragma once

#include <optional>

#include "core/build/CompiledQuizBuilder.h"
#include "core/run/QuizSource.h"

namespace tavrin {

// A quiz as its folder holds it: quiz file, question file and topic file.
// Each call reads the files afresh, so it sees the author's latest changes.
class FolderQuizSource : public QuizSource {
public:
    // Settings come from the quiz file, or are the given ones (the record being
    // edited, which may be newer than the file).
    explicit FolderQuizSource(QuizFileSet files, std::optional<QuizSettings> settings = {});

    QuizKind kind() const override { return files_.kind; }
    QuizSettings settings() const override;
    std::vector<std::vector<std::uint8_t>> questionRecords() const override;
    std::optional<std::vector<std::string>> findTopic(std::string_view name,
                                                      std::string_view source) const override;
    std::optional<std::vector<std::string>> introduction() const override;
    std::filesystem::path mediaFolder() const override { return files_.quizFolder; }

private:
    std::optional<std::filesystem::path> topicFile() const;

    QuizFileSet files_;
    std::optional<QuizSettings> settings_;
};

} // namespace tavrin
