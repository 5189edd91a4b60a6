#include "core/topics/TopicIndex.h"

#include "core/bytes/FileError.h"
#include "core/files/FolderNames.h"
#include "core/topics/TopicIndexHeader.h"
#include "core/topics/TopicLineCursor.h"
#include "core/topics/TopicText.h"

namespace tavrin {
namespace {

void Require(bool condition, const std::string& what) {
    if (!condition)
        throw FormatError("damaged topic index: " + what);
}

std::string_view FirstLine(std::string_view text) {
    TopicLineCursor cursor(text);
    return cursor.atEnd() ? std::string_view() : cursor.next();
}

} // namespace

TopicIndex::TopicIndex(std::span<const std::uint8_t> block) : block_(block) {
    Require(block.size() >= TopicIndexHeader::size, "shorter than its header");
    TopicIndexHeader header;
    header.assignBytes(block.first(TopicIndexHeader::size));
    Require(header.signature() == TopicIndexHeader::kSignature, "wrong signature");
    Require(header.count() >= 0, "negative topic count");
    const auto count = static_cast<std::size_t>(header.count());
    if (count == 0)
        return;
    Require(header.indexOffset() >= static_cast<std::int32_t>(TopicIndexHeader::size),
            "index offset inside the header");
    const auto indexOffset = static_cast<std::size_t>(header.indexOffset());
    Require(indexOffset <= block.size() &&
                count <= (block.size() - indexOffset) / TopicIndexEntry::size,
            "index entries beyond the end of the data");

    entries_.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        auto& entry = entries_[i];
        entry.assignBytes(
            block.subspan(indexOffset + i * TopicIndexEntry::size, TopicIndexEntry::size));
        const std::string which = "entry " + std::to_string(i + 1);
        Require(entry.start() >= 0 && entry.length() >= 0, which + " has a negative offset");
        const auto start = static_cast<std::size_t>(entry.start());
        const auto length = static_cast<std::size_t>(entry.length());
        Require(start <= block.size() && length <= block.size() - start,
                which + " points outside the data");
    }
}

std::string_view TopicIndex::blockText(std::size_t index) const {
    const auto& e = entry(index);
    const auto bytes =
        block_.subspan(static_cast<std::size_t>(e.start()), static_cast<std::size_t>(e.length()));
    return std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

std::string TopicIndex::topicName(std::size_t index) const {
    // The entry holds the head line cut to 60 characters; the block holds it whole.
    const std::string stored = entry(index).name();
    if (stored.size() < TopicIndexEntry::kNameCapacity)
        return std::string(HeadName(stored));
    const std::string_view fullHead = FirstLine(blockText(index));
    return std::string(HeadName(fullHead.starts_with(stored) ? fullHead : stored));
}

std::vector<std::string> TopicIndex::blockLines(std::size_t index, std::size_t count) const {
    std::vector<std::string> lines;
    TopicLineCursor cursor(blockText(index));
    while (!cursor.atEnd() && lines.size() < count)
        lines.emplace_back(cursor.next());
    return lines;
}

std::optional<std::vector<std::string>> TopicIndex::findTopic(std::string_view name,
                                                              std::string_view source) const {
    for (std::size_t i = entries_.size(); i-- > 0;) {
        if (!EqualNoCase(entries_[i].source(), source) || !EqualNoCase(topicName(i), name))
            continue;
        return topicLines(i);
    }
    return std::nullopt;
}

bool TopicIndex::readIntroduction(std::vector<std::string>& lines) const {
    constexpr std::size_t kFirstTextLine = 3;
    bool found = false;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (!entries_[i].name().starts_with(kIntroductionHeadStart))
            continue;
        found = true;
        auto block = blockLines(i);
        if (block.size() > kFirstTextLine)
            lines.insert(lines.end(), std::make_move_iterator(block.begin() + kFirstTextLine),
                         std::make_move_iterator(block.end()));
    }
    return found;
}

std::vector<std::string> TopicIndex::topicLines(std::size_t index) const {
    return topicHeadLines(index, std::string::npos);
}

std::vector<std::string> TopicIndex::topicHeadLines(std::size_t index, std::size_t count) const {
    auto lines = blockLines(index, count);
    if (lines.empty())
        lines.emplace_back();
    lines[0] = topicName(index);
    if (lines.size() < 2)
        lines.emplace_back();
    lines[1] = "source=" + entry(index).source();
    if (lines.size() < count)
        lines.emplace_back("]");
    lines.resize(std::min(lines.size(), count));
    return lines;
}

} // namespace tavrin
