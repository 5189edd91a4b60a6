#include "core/topics/TopicReplacer.h"

#include "core/files/FolderNames.h"
#include "core/topics/TopicLineCursor.h"
#include "core/topics/TopicValues.h"

namespace tavrin {

TopicReplacer::TopicReplacer(std::string_view name, std::string_view source,
                             std::optional<std::string_view> replacement, Sink out)
    : name_(name), source_(source), replacement_(replacement), out_(std::move(out)) {}

void TopicReplacer::write(std::string_view content) {
    out_(content);
    out_("\r\n");
    if (!content.empty())
        onlyEmptyLines_ = false;
}

void TopicReplacer::writeReplacement() {
    if (!replacement_)
        return;
    out_(*replacement_);
    if (replacement_->find_first_not_of("\r\n") != std::string_view::npos)
        onlyEmptyLines_ = false;
}

void TopicReplacer::line(std::string_view line) {
    switch (state_) {
    case State::kAwaitingSource:
        if (EqualNoCase(topicvalue::AfterSeventh(line), source_)) {
            matched_ = true;
            state_ = State::kSkipping;
            writeReplacement();
        } else {
            write(heldHead_);
            write(line);
            state_ = State::kCopying;
        }
        return;
    case State::kSkipping:
        if (line == "]")
            state_ = State::kAfterTopic;
        return;
    case State::kAfterTopic:
        // Only an empty line after the topic belongs to it; anything else
        // (the next topic's head, say) is kept.
        state_ = State::kCopying;
        if (line.empty())
            return;
        break;
    case State::kCopying:
        break;
    }
    if (IsHeadLine(line) && EqualNoCase(HeadName(line), name_)) {
        heldHead_ = line;
        state_ = State::kAwaitingSource;
    } else {
        write(line);
    }
}

void TopicReplacer::finish() {
    // A matching head line at the very end has no source and is kept.
    if (state_ == State::kAwaitingSource)
        write(heldHead_);
    state_ = State::kCopying;
    if (!matched_)
        writeReplacement();
}

} // namespace tavrin
