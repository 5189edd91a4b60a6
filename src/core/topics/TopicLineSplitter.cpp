#include "core/topics/TopicLineSplitter.h"

namespace tavrin {

void TopicLineSplitter::pass(std::string_view line) {
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    handler_(line);
}

void TopicLineSplitter::feed(std::string_view text) {
    std::size_t at = 0;
    for (std::size_t end; (end = text.find('\n', at)) != std::string_view::npos; at = end + 1) {
        const std::string_view line = text.substr(at, end - at);
        if (partial_.empty()) {
            pass(line);
        } else {
            partial_ += line;
            pass(partial_);
            partial_.clear();
        }
    }
    partial_ += text.substr(at);
}

void TopicLineSplitter::finish() {
    if (!partial_.empty())
        pass(partial_);
    partial_.clear();
}

} // namespace tavrin
