#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tavrin {

// Splits topic file text that arrives in pieces into the lines that
// TopicLineCursor gives for the whole text: lines end in LF, optionally
// preceded by CR, and a last line without an end counts. Only a line that
// spans two pieces is copied; memory grows with the longest line, never with
// the text.
class TopicLineSplitter {
public:
    using LineHandler = std::function<void(std::string_view line)>;

    explicit TopicLineSplitter(LineHandler handler) : handler_(std::move(handler)) {}

    void feed(std::string_view text);
    // Passes on a last line that has no end.
    void finish();

private:
    void pass(std::string_view line);

    LineHandler handler_;
    std::string partial_;
};

} // namespace tavrin
