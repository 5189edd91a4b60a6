#pragma once

#include <cstddef>
#include <string_view>

namespace tavrin {

// Walks the lines of a topic file held in memory without copying them. Lines
// end in LF, optionally preceded by CR; a last line without an end counts
// (the same splitting as SplitLines). Any byte, NUL included, is line content.
class TopicLineCursor {
public:
    explicit TopicLineCursor(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }

    // The next line; call only when !atEnd().
    std::string_view next() {
        std::size_t end = text_.find('\n', pos_);
        std::size_t after = end + 1;
        if (end == std::string_view::npos)
            end = after = text_.size();
        std::size_t stop = end;
        if (stop > pos_ && text_[stop - 1] == '\r')
            --stop;
        const std::string_view line = text_.substr(pos_, stop - pos_);
        pos_ = after;
        return line;
    }

    // Bytes consumed so far, for callers that copy whole runs of lines.
    std::size_t position() const { return pos_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

inline bool IsHeadLine(std::string_view line) {
    return !line.empty() && line.front() == '[';
}

// The name of a head line: the line without its first and its last character.
inline std::string_view HeadName(std::string_view line) {
    return line.size() >= 2 ? line.substr(1, line.size() - 2) : std::string_view();
}

} // namespace tavrin
