#include "core/topics/TopicIndexBuilder.h"

#include <limits>
#include <string>

#include "core/bytes/FileError.h"
#include "core/topics/TopicIndexEntry.h"
#include "core/topics/TopicIndexHeader.h"
#include "core/topics/TopicLineCursor.h"

namespace tavrin {
namespace {

constexpr std::size_t kMaxOffset = std::numeric_limits<std::int32_t>::max();

std::int32_t Offset(std::size_t position) {
    if (position > kMaxOffset)
        throw FormatError("the topic file is too large to be indexed");
    return static_cast<std::int32_t>(position);
}

class IndexBuilder {
public:
    explicit IndexBuilder(std::size_t textSize) {
        // Room for the text and for CR LF added to lines that end in LF alone.
        out_.reserve(TopicIndexHeader::size + textSize + textSize / 16);
        TopicIndexHeader header;
        header.setSignature(TopicIndexHeader::kSignature);
        append(header.view());
    }

    void collect(std::string_view line) {
        out_.insert(out_.end(), line.begin(), line.end());
        out_.push_back('\r');
        out_.push_back('\n');
    }

    // `raw` is `line` as it stands in the text, with its line end: a line
    // that already ends in CR LF is copied in one piece.
    void collect(std::string_view line, std::string_view raw) {
        if (raw.size() == line.size() + 2)
            out_.insert(out_.end(), raw.begin(), raw.end());
        else
            collect(line);
    }

    // Finishes the previous topic and starts the block of a new one.
    void startTopic(std::string_view headLine, std::string_view source) {
        finishTopic();
        TopicIndexEntry entry;
        entry.setName(headLine);
        entry.setSource(source);
        entry.setStart(Offset(out_.size()));
        entries_.push_back(entry);
        collect(headLine);
        collect(source);
    }

    std::vector<std::uint8_t> finish() {
        finishTopic();
        if (entries_.empty())
            return std::move(out_);
        const std::int32_t indexOffset = Offset(out_.size());
        Offset(out_.size() + entries_.size() * TopicIndexEntry::size);
        out_.reserve(out_.size() + entries_.size() * TopicIndexEntry::size);
        for (const auto& entry : entries_)
            append(entry.view());
        TopicIndexHeader header;
        header.setSignature(TopicIndexHeader::kSignature);
        header.setCount(Offset(entries_.size()));
        header.setIndexOffset(indexOffset);
        std::copy(header.bytes().begin(), header.bytes().end(), out_.begin());
        return std::move(out_);
    }

private:
    void finishTopic() {
        if (entries_.empty())
            return;
        auto& last = entries_.back();
        last.setLength(Offset(out_.size() - static_cast<std::size_t>(last.start())));
    }

    void append(std::span<const std::uint8_t> bytes) {
        out_.insert(out_.end(), bytes.begin(), bytes.end());
    }

    std::vector<std::uint8_t> out_;
    std::vector<TopicIndexEntry> entries_;
};

} // namespace

std::vector<std::uint8_t> BuildTopicIndexBytes(std::string_view topicText) {
    IndexBuilder builder(topicText.size());
    bool collecting = true;
    bool inTopic = false;
    TopicLineCursor cursor(topicText);
    while (!cursor.atEnd()) {
        const std::size_t lineStart = cursor.position();
        const std::string_view line = cursor.next();
        if (!line.empty() && line.front() == ']')
            collecting = false;
        if (IsHeadLine(line)) {
            const std::string_view sourceLine = cursor.atEnd() ? std::string_view() : cursor.next();
            const std::string_view source =
                sourceLine.size() > 7 ? sourceLine.substr(7, TopicIndexEntry::kSourceCapacity)
                                      : std::string_view();
            builder.startTopic(line, source);
            collecting = true;
            inTopic = true;
        } else if (collecting && inTopic) {
            builder.collect(line, topicText.substr(lineStart, cursor.position() - lineStart));
        }
    }
    return builder.finish();
}

} // namespace tavrin
