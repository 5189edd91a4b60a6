#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/topics/TopicIndexEntry.h"
#include "core/topics/TopicIndexHeader.h"

namespace tavrin {

// The indexed block that a compiled quiz carries, built from topic file text:
// a 13-byte header, one text block per topic in file order (head line, the
// source value alone, then the topic's lines up to the first line beginning
// with "]", each ended by CR LF), then one 80-byte entry per topic. Text with
// no head line gives the header alone (count 0, index offset 0).
//
// The text is fed in pieces of any size and the block leaves through `sink`
// as it is made; the index entries wait until the text is done, the first
// 8192 in memory (at most 640 KiB) and any more in a temporary file with them, so
// memory does not grow with the topic file. The block starts with 13
// placeholder bytes; finish() returns the header that belongs in their place.
// Throws FormatError when the block would not fit the 32-bit offsets, and
// FileError when the temporary file fails.
class TopicIndexStream {
public:
    using Sink = std::function<void(std::string_view)>;
    // Told of each topic once its block is complete: its entry and the first
    // lines of its block (see observeLines).
    using Observer =
        std::function<void(const TopicIndexEntry& entry, const std::vector<std::string>& lines)>;

    // Without a sink nothing is written or kept: only the observer is told.
    explicit TopicIndexStream(Sink sink);

    // Keeps the first `count` lines of each topic's block, whole, for the
    // observer.
    void observeLines(std::size_t count, Observer observer);

    void feed(std::string_view text);
    TopicIndexHeader finish();

    // Bytes passed to the sink so far.
    std::uint64_t size() const { return written_; }

private:
    enum class LineKind { kHead, kSource, kText };

    void emit(std::string_view bytes);
    bool continuesTextRun(char first) const;
    std::size_t skipWholeTextLines(std::string_view text, std::size_t at) const;
    void beginLine(char first);
    void takeLineBytes(std::string_view bytes);
    void endLine();
    void startTopic();
    void finishTopic();
    void spill(const TopicIndexEntry& entry);
    void hold(const TopicIndexEntry& entry);
    void expandHeld(const std::function<void(std::string_view)>& out) const;
    void writeSpilled(std::string_view bytes);
    void emitSpilledEntries();
    std::size_t captureLimit() const;

    Sink sink_;
    Observer observer_;
    std::size_t linesObserved_ = 0;
    std::vector<std::string> observed_;
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    static constexpr std::size_t kHeldEntries = 8192;
    std::string heldEntries_;
    std::unique_ptr<std::FILE, FileCloser> spilledEntries_;
    std::optional<TopicIndexEntry> current_;
    std::uint64_t entryCount_ = 0;
    std::uint64_t written_ = 0;

    bool atLineStart_ = true;
    bool emitting_ = false;  // the line's bytes go to the sink as they stand
    bool observing_ = false; // the line is kept whole for the observer
    bool collecting_ = true;
    bool inTopic_ = false;
    bool expectingSource_ = false;
    LineKind kind_ = LineKind::kText;
    std::string capture_;
    std::uint64_t lineLength_ = 0;
    char lastByte_ = 0;
};

// The whole block for text held in memory, header in place.
std::vector<std::uint8_t> BuildTopicIndexBytes(std::string_view topicText);

// Feeds a topic file to `stream` through a fixed buffer. Throws FileError
// naming the file when it cannot be read.
void FeedTopicFile(const std::filesystem::path& topicFile, TopicIndexStream& stream);

} // namespace tavrin
