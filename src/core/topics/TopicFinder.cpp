#include "core/topics/TopicFinder.h"

#include "core/files/FolderNames.h"
#include "core/topics/TopicLineCursor.h"
#include "core/topics/TopicValues.h"

namespace tavrin {

void TopicFinder::line(std::string_view line) {
    switch (state_) {
    case State::kSearching:
        if (IsHeadLine(line) && EqualNoCase(HeadName(line), name_)) {
            heldName_ = HeadName(line);
            state_ = State::kAwaitingSource;
        }
        return;
    case State::kAwaitingSource:
        state_ = State::kSearching;
        if (EqualNoCase(topicvalue::AfterSeventh(line), source_)) {
            collecting_ = {heldName_, std::string(line)};
            state_ = State::kCollecting;
        }
        return;
    case State::kCollecting:
        collecting_.emplace_back(line);
        if (line == "]") {
            found_ = std::move(collecting_);
            collecting_.clear();
            state_ = State::kSearching;
        }
        return;
    }
}

std::optional<std::vector<std::string>> TopicFinder::finish() {
    if (state_ == State::kCollecting)
        found_ = std::move(collecting_);
    state_ = State::kSearching;
    return std::move(found_);
}

} // namespace tavrin
