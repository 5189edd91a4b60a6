#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/topics/TopicIndexEntry.h"

namespace tavrin {

// Reads an indexed topic block (as built by BuildTopicIndexBytes and carried
// by a compiled quiz) in place. Offsets in the block count from its first
// byte. Every entry is checked against the block's size when it is opened, so
// later reads never leave the block. The block must outlive the reader.
class TopicIndex {
public:
    // Throws FormatError when the header, the count, the index or any entry's
    // start and length do not fit the block.
    explicit TopicIndex(std::span<const std::uint8_t> block);
    // The reader keeps no copy: a temporary block would be gone at once.
    explicit TopicIndex(std::vector<std::uint8_t>&&) = delete;

    std::size_t size() const { return entries_.size(); }
    const TopicIndexEntry& entry(std::size_t index) const { return entries_.at(index); }

    // The topic's name without its brackets, from the full head line at the
    // start of its text block (the entry's copy may have been cut).
    std::string topicName(std::size_t index) const;
    std::string topicSource(std::size_t index) const { return entry(index).source(); }

    // The text block's lines as stored: head line, source value, the lines
    // up to (not including) the closing "]".
    std::vector<std::string> blockLines(std::size_t index,
                                        std::size_t count = std::string::npos) const;

    // The last topic (name, source), in the form that FindTopic gives for the
    // topic file: stored name without brackets, "source=" line, the lines of
    // the topic and a closing "]".
    std::optional<std::vector<std::string>> findTopic(std::string_view name,
                                                      std::string_view source) const;
    // Topic `index` in that same form.
    std::vector<std::string> topicLines(std::size_t index) const;
    // Only the first `count` lines of that form, without reading the rest.
    std::vector<std::string> topicHeadLines(std::size_t index, std::size_t count) const;

    // Appends the text lines of every introduction, in stored order (its
    // block without head, source and "text=" lines); true when there was one.
    bool readIntroduction(std::vector<std::string>& lines) const;

private:
    std::string_view blockText(std::size_t index) const;

    std::span<const std::uint8_t> block_;
    std::vector<TopicIndexEntry> entries_;
};

} // namespace tavrin
