#include "core/topics/TopicIndexBuilder.h"

#include <algorithm>
#include <array>
#include <limits>

#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"

namespace tavrin {
namespace {

constexpr std::uint64_t kMaxOffset = std::numeric_limits<std::int32_t>::max();
constexpr std::string_view kLineEnd = "\r\n";
// Enough of a head line for the entry's name, of a source line for its source:
// one byte more, so that a CR ending a line cut there is still recognised.
constexpr std::size_t kHeadCapture = TopicIndexEntry::kNameCapacity + 1;
constexpr std::size_t kSourceStart = 7;
constexpr std::size_t kSourceCapture = kSourceStart + TopicIndexEntry::kSourceCapacity + 1;
// Where an entry's start and length, and its source, lie in its 80 bytes.
constexpr std::size_t kNumbersField = TopicIndexEntry::kNameCapacity + 1;
constexpr std::size_t kSourceField = kNumbersField + 8;

std::int32_t Offset(std::uint64_t position) {
    if (position > kMaxOffset)
        throw FormatError("the topic file is too large to be indexed");
    return static_cast<std::int32_t>(position);
}

} // namespace

TopicIndexStream::TopicIndexStream(Sink sink) : sink_(std::move(sink)) {
    const std::string placeholder(TopicIndexHeader::size, '\0');
    emit(placeholder);
}

void TopicIndexStream::observeLines(std::size_t count, Observer observer) {
    linesObserved_ = count;
    observer_ = std::move(observer);
}

void TopicIndexStream::emit(std::string_view bytes) {
    if (sink_)
        sink_(bytes);
    written_ += bytes.size();
}

// A line is passed on as it stands when it ends in CR LF; a line ending in LF
// alone, or in nothing at the end of the text, gets its CR LF. Runs of bytes
// that need no change leave in one piece: a topic's text lines join one run
// until something else must be written or counted.
void TopicIndexStream::feed(std::string_view text) {
    std::size_t run = 0;
    std::size_t at = 0;
    const auto passOn = [&](std::size_t end) {
        if (emitting_ && end > run)
            emit(text.substr(run, end - run));
        run = end;
    };
    while (at < text.size()) {
        if (atLineStart_) {
            at = skipWholeTextLines(text, at);
            if (at == text.size())
                break;
            if (continuesTextRun(text[at])) {
                atLineStart_ = false;
                lineLength_ = 0;
                lastByte_ = 0;
            } else {
                passOn(at);
                beginLine(text[at]);
            }
        }
        const std::size_t lineEnd = text.find('\n', at);
        if (lineEnd == std::string_view::npos) {
            takeLineBytes(text.substr(at));
            break;
        }
        takeLineBytes(text.substr(at, lineEnd - at));
        if (lastByte_ != '\r' || lineLength_ == 0) {
            passOn(lineEnd);
            if (emitting_)
                emit(kLineEnd);
            run = lineEnd + 1;
        }
        endLine();
        at = lineEnd + 1;
    }
    passOn(text.size());
}

// From a line start: the whole lines ending in CR LF that continue the text
// run, which need nothing but to be found (most of a topic file). Returns the
// start of the first line that needs more.
std::size_t TopicIndexStream::skipWholeTextLines(std::string_view text, std::size_t at) const {
    while (at < text.size() && continuesTextRun(text[at])) {
        const std::size_t lineEnd = text.find('\n', at);
        if (lineEnd == std::string_view::npos || lineEnd == at || text[lineEnd - 1] != '\r')
            break;
        at = lineEnd + 1;
    }
    return at;
}

// A text line after another, with nothing to watch for: it changes no state
// and its bytes follow the previous line's in the output.
bool TopicIndexStream::continuesTextRun(char first) const {
    return kind_ == LineKind::kText && !observer_ && !expectingSource_ && first != '[' &&
           first != ']';
}

TopicIndexHeader TopicIndexStream::finish() {
    if (!atLineStart_) {
        if (emitting_)
            emit(lastByte_ == '\r' ? std::string_view("\n") : kLineEnd);
        endLine();
    }
    if (expectingSource_) {
        // A head line at the very end: its source line is empty.
        beginLine('\0');
        endLine();
    }
    finishTopic();
    TopicIndexHeader header;
    header.setSignature(TopicIndexHeader::kSignature);
    if (entryCount_ == 0)
        return header;
    const std::int32_t indexOffset = Offset(written_);
    Offset(written_ + entryCount_ * TopicIndexEntry::size);
    emitSpilledEntries();
    header.setCount(Offset(entryCount_));
    header.setIndexOffset(indexOffset);
    return header;
}

// An entry is held without the unused bytes of its two names: a fresh entry
// has zeros there, so the 80 bytes come back exactly. Held whole, the entries
// of a large quiz would fault in four times the memory.
void TopicIndexStream::hold(const TopicIndexEntry& entry) {
    const auto bytes = entry.view();
    const auto* data = reinterpret_cast<const char*>(bytes.data());
    const std::size_t nameEnd = 1 + static_cast<std::uint8_t>(data[0]);
    const std::size_t sourceEnd = kSourceField + 1 + static_cast<std::uint8_t>(data[kSourceField]);
    heldEntries_.append(data, nameEnd);
    heldEntries_.append(data + kNumbersField, sourceEnd - kNumbersField);
}

// Expands the held entries into whole ones, a bufferful at a time.
void TopicIndexStream::expandHeld(const std::function<void(std::string_view)>& out) const {
    constexpr std::size_t kBatch = 64;
    std::array<char, kBatch * TopicIndexEntry::size> buffer;
    std::size_t filled = 0;
    for (std::size_t at = 0; at < heldEntries_.size();) {
        char* entry = buffer.data() + filled;
        std::fill_n(entry, TopicIndexEntry::size, '\0');
        const std::size_t nameEnd = 1 + static_cast<std::uint8_t>(heldEntries_[at]);
        std::copy_n(heldEntries_.data() + at, nameEnd, entry);
        at += nameEnd;
        const std::size_t tail =
            kSourceField + 1 - kNumbersField +
            static_cast<std::uint8_t>(heldEntries_[at + kSourceField - kNumbersField]);
        std::copy_n(heldEntries_.data() + at, tail, entry + kNumbersField);
        at += tail;
        filled += TopicIndexEntry::size;
        if (filled == buffer.size() || at == heldEntries_.size()) {
            out(std::string_view(buffer.data(), filled));
            filled = 0;
        }
    }
}

void TopicIndexStream::spill(const TopicIndexEntry& entry) {
    ++entryCount_;
    if (!spilledEntries_ && entryCount_ <= kHeldEntries) {
        // Reserved whole at once: grown by doubling, the list would be copied
        // and faulted in again at each step. Only the pages used are touched.
        if (heldEntries_.empty())
            heldEntries_.reserve(kHeldEntries * TopicIndexEntry::size);
        hold(entry);
        return;
    }
    if (!spilledEntries_) {
        spilledEntries_.reset(std::tmpfile());
        if (!spilledEntries_)
            throw FileError::fromErrno(std::filesystem::temp_directory_path(),
                                       "cannot create a temporary file for the topic index");
        expandHeld([this](std::string_view bytes) { writeSpilled(bytes); });
        std::string().swap(heldEntries_);
    }
    const auto bytes = entry.view();
    writeSpilled(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void TopicIndexStream::writeSpilled(std::string_view bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), spilledEntries_.get()) != bytes.size())
        throw FileError::fromErrno(std::filesystem::temp_directory_path(),
                                   "cannot write the topic index's temporary file");
}

void TopicIndexStream::emitSpilledEntries() {
    std::FILE* file = spilledEntries_.get();
    if (!file) {
        expandHeld([this](std::string_view bytes) { emit(bytes); });
        return;
    }
    constexpr std::size_t kBufferSize = 1024 * TopicIndexEntry::size;
    const auto buffer = std::make_unique_for_overwrite<char[]>(kBufferSize);
    std::rewind(file);
    for (;;) {
        const std::size_t got = std::fread(buffer.get(), 1, kBufferSize, file);
        emit(std::string_view(buffer.get(), got));
        if (got < kBufferSize)
            break;
    }
    if (std::ferror(file))
        throw FileError::fromErrno(std::filesystem::temp_directory_path(),
                                   "cannot read the topic index's temporary file");
}

void TopicIndexStream::beginLine(char first) {
    atLineStart_ = false;
    lineLength_ = 0;
    lastByte_ = 0;
    capture_.clear();
    if (expectingSource_) {
        // The block keeps the source value alone, written when the line ends.
        kind_ = LineKind::kSource;
        emitting_ = false;
    } else if (first == '[') {
        startTopic();
        kind_ = LineKind::kHead;
        emitting_ = collecting_ = inTopic_ = true;
    } else {
        if (first == ']')
            collecting_ = false;
        kind_ = LineKind::kText;
        emitting_ = collecting_ && inTopic_;
    }
    observing_ =
        observer_ && (kind_ != LineKind::kText || emitting_) && observed_.size() < linesObserved_;
}

std::size_t TopicIndexStream::captureLimit() const {
    if (observing_)
        return std::numeric_limits<std::size_t>::max();
    switch (kind_) {
    case LineKind::kHead:
        return kHeadCapture;
    case LineKind::kSource:
        return kSourceCapture;
    case LineKind::kText:
        break;
    }
    return 0;
}

void TopicIndexStream::takeLineBytes(std::string_view bytes) {
    if (bytes.empty())
        return;
    if (kind_ != LineKind::kText || observing_) {
        const std::size_t limit = captureLimit();
        if (capture_.size() < limit)
            capture_.append(bytes.substr(0, limit - capture_.size()));
    }
    lineLength_ += bytes.size();
    lastByte_ = bytes.back();
}

void TopicIndexStream::endLine() {
    atLineStart_ = true;
    if (kind_ == LineKind::kText && !observing_)
        return;
    std::string_view content = capture_;
    if (content.size() == lineLength_ && content.ends_with('\r'))
        content.remove_suffix(1);
    if (kind_ == LineKind::kHead) {
        current_->setName(content);
        expectingSource_ = true;
    } else if (kind_ == LineKind::kSource) {
        content = content.size() > kSourceStart
                      ? content.substr(kSourceStart, TopicIndexEntry::kSourceCapacity)
                      : std::string_view();
        current_->setSource(content);
        emit(content);
        emit(kLineEnd);
        expectingSource_ = false;
    }
    if (observing_)
        observed_.emplace_back(content);
}

void TopicIndexStream::startTopic() {
    finishTopic();
    current_.emplace();
    current_->setStart(Offset(written_));
}

void TopicIndexStream::finishTopic() {
    if (!current_)
        return;
    current_->setLength(Offset(written_ - static_cast<std::uint64_t>(current_->start())));
    if (sink_)
        spill(*current_);
    if (observer_ && !observed_.empty())
        observer_(*current_, observed_);
    observed_.clear();
    current_.reset();
}

std::vector<std::uint8_t> BuildTopicIndexBytes(std::string_view topicText) {
    std::vector<std::uint8_t> block;
    block.reserve(TopicIndexHeader::size + topicText.size() + topicText.size() / 16);
    TopicIndexStream stream([&block](std::string_view bytes) {
        block.insert(block.end(), bytes.begin(), bytes.end());
    });
    stream.feed(topicText);
    const TopicIndexHeader header = stream.finish();
    std::copy(header.bytes().begin(), header.bytes().end(), block.begin());
    return block;
}

void FeedTopicFile(const std::filesystem::path& topicFile, TopicIndexStream& stream) {
    ReadFileInBlocks(topicFile, [&stream](std::string_view bytes) { stream.feed(bytes); });
}

} // namespace tavrin
