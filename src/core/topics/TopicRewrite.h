#pragma once

#include <string>
#include <string_view>

namespace tavrin {

// A new version of a topic file's text, made in memory in one pass. Lines that
// are not part of an affected topic are carried along unchanged; every line of
// the result ends in CR LF.
struct TopicRewrite {
    std::string text;
    bool matched = false;       // some topic (or introduction) was affected
    bool onlyEmptyLines = true; // the result holds no line with content

    // Puts the new introduction topic in the place of the first introduction
    // and drops any later one (readers join them, so their text is in the new
    // one). Without an introduction the new one is added at the end.
    static TopicRewrite replaceIntroduction(std::string_view text, std::string_view introduction);

    // Joins the parts of command values written by the earlier format with
    // commas: after "type=2" the first blank, after "type=6" the first two.
    static TopicRewrite upgrade(std::string_view text);

private:
    void line(std::string_view content);
    void raw(std::string_view topicText);
};

} // namespace tavrin
