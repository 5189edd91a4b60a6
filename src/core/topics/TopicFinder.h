#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

// Finds the last topic (name, source) in a topic file whose lines arrive one
// at a time: its stored name without brackets, its source line and every
// following line up to and including the line "]" (up to the end of the text
// when that line is missing). Only the topic being read is held.
class TopicFinder {
public:
    TopicFinder(std::string_view name, std::string_view source) : name_(name), source_(source) {}

    void line(std::string_view line);
    // The last match, once every line has been given.
    std::optional<std::vector<std::string>> finish();

private:
    enum class State { kSearching, kAwaitingSource, kCollecting };

    std::string name_;
    std::string source_;
    State state_ = State::kSearching;
    std::string heldName_;
    std::vector<std::string> collecting_;
    std::optional<std::vector<std::string>> found_;
};

} // namespace tavrin
