#include "core/topics/TopicRewrite.h"

#include "core/topics/TopicLineCursor.h"
#include "core/topics/TopicText.h"

namespace tavrin {
namespace {

// Consumes lines up to and including the line "]"; false at the end first.
bool SkipPastClosingLine(TopicLineCursor& cursor) {
    while (!cursor.atEnd())
        if (cursor.next() == "]")
            return true;
    return false;
}

std::string JoinWithCommas(std::string_view line, int blanks) {
    std::string joined(line);
    std::size_t from = 0;
    for (int i = 0; i < blanks; ++i) {
        const auto blank = joined.find(' ', from);
        if (blank == std::string::npos)
            break;
        joined[blank] = ',';
        from = blank + 1;
    }
    return joined;
}

bool HoldsContent(std::string_view topicText) {
    return topicText.find_first_not_of("\r\n") != std::string_view::npos;
}

} // namespace

void TopicRewrite::line(std::string_view content) {
    text += content;
    text += "\r\n";
    if (!content.empty())
        onlyEmptyLines = false;
}

void TopicRewrite::raw(std::string_view topicText) {
    text += topicText;
    if (HoldsContent(topicText))
        onlyEmptyLines = false;
}

TopicRewrite TopicRewrite::replaceIntroduction(std::string_view text,
                                               std::string_view introduction) {
    TopicRewrite result;
    result.text.reserve(text.size() + introduction.size() + 2);
    TopicLineCursor cursor(text);
    while (!cursor.atEnd()) {
        const std::string_view line = cursor.next();
        if (!line.starts_with(kIntroductionHeadStart)) {
            result.line(line);
            continue;
        }
        SkipPastClosingLine(cursor);
        if (!result.matched)
            result.raw(introduction);
        result.matched = true;
    }
    if (!result.matched) {
        result.raw(introduction);
        result.line("");
    }
    return result;
}

TopicRewrite TopicRewrite::upgrade(std::string_view text) {
    TopicRewrite result;
    result.text.reserve(text.size() + 2);
    TopicLineCursor cursor(text);
    while (!cursor.atEnd()) {
        const std::string_view line = cursor.next();
        result.line(line);
        const int blanks = line == "type=2" ? 1 : line == "type=6" ? 2 : 0;
        if (blanks == 0 || cursor.atEnd())
            continue;
        const std::string converted = JoinWithCommas(cursor.next(), blanks);
        result.matched = true;
        result.line(converted);
    }
    return result;
}

} // namespace tavrin
