#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tavrin {

// Rewrites a topic file line by line, as its lines arrive: drops every topic
// (name, source), from its head line to the line "]" and the empty line after
// it. With a replacement (the new topic's text), that text takes the place of
// each dropped topic; when none matched it is added at the end, so what the
// author saved is never lost. Every line of the result ends in CR LF and
// leaves through `out` at once; only a head line waiting for its source line
// is held.
class TopicReplacer {
public:
    using Sink = std::function<void(std::string_view)>;

    TopicReplacer(std::string_view name, std::string_view source,
                  std::optional<std::string_view> replacement, Sink out);

    void line(std::string_view line);
    void finish();

    bool matched() const { return matched_; }
    // The result holds no line with content.
    bool onlyEmptyLines() const { return onlyEmptyLines_; }

private:
    enum class State { kCopying, kAwaitingSource, kSkipping, kAfterTopic };

    void write(std::string_view content);
    void writeReplacement();

    std::string name_;
    std::string source_;
    std::optional<std::string_view> replacement_;
    Sink out_;
    State state_ = State::kCopying;
    std::string heldHead_;
    bool matched_ = false;
    bool onlyEmptyLines_ = true;
};

} // namespace tavrin
