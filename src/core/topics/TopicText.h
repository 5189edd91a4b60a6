#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

// The readers of a topic file, working on its text in memory. Names and
// sources are compared without regard to letter case and otherwise exactly.
// Any head line ("[" first) counts, also one inside a topic's text.
class TopicText {
public:
    explicit TopicText(std::string_view text) : text_(text) {}

    // True when some topic (name, source) is present.
    bool contains(std::string_view name, std::string_view source) const;

    // Appends the name of every topic whose source line, after its first "=",
    // equals `source`.
    void listTopicsForSource(std::vector<std::string>& names, std::string_view source) const;

    // Appends the text lines of every introduction topic, in file order;
    // true when there was one.
    bool readIntroduction(std::vector<std::string>& lines) const;

private:
    std::string_view text_;
};

// The first 7 characters of an introduction's head line.
inline constexpr std::string_view kIntroductionHeadStart = "[^INTRO";

} // namespace tavrin
