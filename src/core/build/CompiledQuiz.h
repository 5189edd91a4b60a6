#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "core/build/CompiledQuizDirectory.h"
#include "core/questions/QuizKind.h"
#include "core/topics/TopicIndex.h"

namespace tavrin {

// A compiled quiz held in memory and checked before use: the settings, the
// directory, the topic block and the question records all lie inside the data.
// Every accessor returns a view into the owned bytes. Data that does not have
// this layout is refused with FormatError, so nothing later reads out of range.
// Move-only: the topic index points into the bytes it owns.
class CompiledQuiz {
public:
    // Takes the bytes of a compiled quiz (a .QAC/.TIC/.MCC file, or the part of
    // an executable quiz after its stub). Bytes after the last record are ignored.
    explicit CompiledQuiz(std::vector<std::uint8_t> data);

    CompiledQuiz(CompiledQuiz&&) = default;
    CompiledQuiz& operator=(CompiledQuiz&&) = default;
    CompiledQuiz(const CompiledQuiz&) = delete;
    CompiledQuiz& operator=(const CompiledQuiz&) = delete;

    static CompiledQuiz fromFile(const std::filesystem::path& path);

    QuizKind kind() const { return kind_; }
    const CompiledQuizDirectory& directory() const { return directory_; }
    std::span<const std::uint8_t> settingsBytes() const;

    bool hasTopics() const { return directory_.topicOffset() != 0; }
    // The whole indexed topic block; empty when the quiz has no topic file.
    std::span<const std::uint8_t> topicBlock() const;
    // The checked index over the topic block; null when there is none.
    const TopicIndex* topics() const { return topics_ ? &*topics_ : nullptr; }

    std::size_t questionCount() const { return directory_.questionCount(); }
    std::size_t recordSize() const { return QuestionRecordSize(kind_); }
    std::span<const std::uint8_t> questionRecord(std::size_t index) const;

    std::size_t size() const { return data_.size(); }
    std::span<const std::uint8_t> bytes() const { return data_; }

private:
    void validate();

    std::vector<std::uint8_t> data_;
    CompiledQuizDirectory directory_;
    QuizKind kind_ = QuizKind::QA;
    std::optional<TopicIndex> topics_;
};

} // namespace tavrin
