#pragma once

#include <string>
#include <unordered_map>

#include "core/build/CompiledQuiz.h"
#include "core/run/QuizSource.h"

namespace tavrin {

// A quiz played from compiled data: a compiled quiz file, or an executable
// quiz with the compiled quiz behind its stub. Media are looked up in the
// folder of that file. Topics are found through the index in O(1).
class CompiledQuizSource : public QuizSource {
public:
    CompiledQuizSource(CompiledQuiz quiz, std::filesystem::path mediaFolder);

    static CompiledQuizSource fromCompiledFile(const std::filesystem::path& path);
    static CompiledQuizSource fromExecutable(const std::filesystem::path& path);

    QuizKind kind() const override { return quiz_.kind(); }
    QuizSettings settings() const override;
    std::vector<std::vector<std::uint8_t>> questionRecords() const override;
    std::optional<std::vector<std::string>> findTopic(std::string_view name,
                                                      std::string_view source) const override;
    std::optional<std::vector<std::string>> introduction() const override;
    std::filesystem::path mediaFolder() const override { return mediaFolder_; }

    const CompiledQuiz& compiled() const { return quiz_; }

private:
    CompiledQuiz quiz_;
    std::filesystem::path mediaFolder_;
    // Upper-cased name, a tab, upper-cased source -> last topic of that key.
    std::unordered_map<std::string, std::size_t> lastTopic_;
};

} // namespace tavrin
