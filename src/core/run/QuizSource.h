#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/questions/QuizKind.h"
#include "core/settings/QuizSettings.h"

namespace tavrin {

// Where a quiz run takes its data from: the quiz folder while the author
// previews a quiz, or a compiled quiz (alone or inside an executable quiz)
// when a learner plays it. Both give the same answers for the same quiz.
class QuizSource {
public:
    virtual ~QuizSource() = default;

    virtual QuizKind kind() const = 0;
    virtual QuizSettings settings() const = 0;
    // Every question record, in stored order, byte for byte.
    virtual std::vector<std::vector<std::uint8_t>> questionRecords() const = 0;
    // The last topic (name, source), both compared without regard to case, as
    // the topic file lookup gives it: the stored name without brackets, the
    // "source=" line, the topic's lines and a closing "]".
    virtual std::optional<std::vector<std::string>> findTopic(std::string_view name,
                                                              std::string_view source) const = 0;
    // The introduction's text lines; nothing when the quiz has none.
    virtual std::optional<std::vector<std::string>> introduction() const = 0;
    // The folder in which the media and programs the quiz names are looked up.
    virtual std::filesystem::path mediaFolder() const = 0;
};

} // namespace tavrin
