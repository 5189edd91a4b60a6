#include "core/files/PassThroughWriter.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <unistd.h>

#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"

namespace tavrin {

PassThroughWriter::PassThroughWriter(std::filesystem::path source, AtomicFileWriter& out,
                                     std::size_t blockSize, std::uint64_t kernelCopyFrom)
    : source_(std::move(source)), out_(out), blockSize_(blockSize),
      kernelCopyFrom_(kernelCopyFrom) {}

void PassThroughWriter::readBlocks(const std::function<void(std::string_view)>& block) {
    std::error_code ec;
    if (std::filesystem::is_directory(source_, ec))
        throw FileError(source_, "is a folder, not a file");
    descriptor_ = ::open(source_.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor_ < 0)
        throw FileError::fromErrno(source_, "cannot open");
    struct Closer {
        PassThroughWriter& writer;
        ~Closer() {
            ::close(writer.descriptor_);
            writer.descriptor_ = -1;
            writer.block_ = {};
        }
    } closer{*this};
    // Left uninitialised: every byte looked at has been read into it.
    const auto buffer = std::make_unique_for_overwrite<char[]>(blockSize_);
    runStart_ = runEnd_ = 0;
    for (std::uint64_t offset = 0;;) {
        const std::size_t got = fill(buffer.get());
        if (got == 0)
            break;
        block_ = std::string_view(buffer.get(), got);
        blockOffset_ = offset;
        block(block_);
        // A short run leaves from the block it lies in before that block is
        // gone; a long one waits, as the kernel copies it from the file.
        if (runEnd_ - runStart_ < kernelCopyFrom_)
            flushRun();
        keepTail();
        offset += got;
    }
    flushRun();
}

// Reads a whole block, fewer bytes only at the end of the file: callers may
// rely on every block but the last being full (whole records, say).
std::size_t PassThroughWriter::fill(char* buffer) {
    std::size_t filled = 0;
    while (filled < blockSize_) {
        const ssize_t got = ::read(descriptor_, buffer + filled, blockSize_ - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw FileError::fromErrno(source_, "cannot read");
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    return filled;
}

// The end of the block just read: a line cut by the block's end is written
// whole once the next block completes it, and still continues a long run.
void PassThroughWriter::keepTail() {
    tailSize_ = std::min(block_.size(), tail_.size());
    std::memcpy(tail_.data(), block_.data() + block_.size() - tailSize_, tailSize_);
}

bool PassThroughWriter::continuesRun(std::string_view bytes) const {
    if (block_.empty())
        return false;
    if (runEnd_ < blockOffset_)
        return continuesRunAcrossBlocks(bytes);
    if (runEnd_ - blockOffset_ > block_.size())
        return false;
    const auto at = static_cast<std::size_t>(runEnd_ - blockOffset_);
    if (bytes.size() > block_.size() - at)
        return false;
    return bytes.data() == block_.data() + at ||
           std::memcmp(bytes.data(), block_.data() + at, bytes.size()) == 0;
}

// Only a long run outlives the block it ends in; a short one has left from it.
bool PassThroughWriter::continuesRunAcrossBlocks(std::string_view bytes) const {
    const std::uint64_t before = blockOffset_ - runEnd_;
    if (runEnd_ - runStart_ < kernelCopyFrom_ || before > tailSize_ || bytes.size() < before ||
        bytes.size() - before > block_.size())
        return false;
    const auto gap = static_cast<std::size_t>(before);
    return std::memcmp(bytes.data(), tail_.data() + tailSize_ - gap, gap) == 0 &&
           std::memcmp(bytes.data() + gap, block_.data(), bytes.size() - gap) == 0;
}

void PassThroughWriter::write(std::string_view bytes) {
    if (bytes.empty())
        return;
    if (continuesRun(bytes)) {
        runEnd_ += bytes.size();
        return;
    }
    const std::less_equal<const char*> notAfter;
    const bool inBlock = !block_.empty() && notAfter(block_.data(), bytes.data()) &&
                         notAfter(bytes.data() + bytes.size(), block_.data() + block_.size());
    if (inBlock) {
        startRun(blockOffset_ + static_cast<std::uint64_t>(bytes.data() - block_.data()),
                 bytes.size());
        return;
    }
    flushRun();
    out_.write(bytes);
}

void PassThroughWriter::copy(std::uint64_t offset, std::uint64_t count) {
    if (offset == runEnd_)
        runEnd_ += count;
    else
        startRun(offset, count);
}

void PassThroughWriter::startRun(std::uint64_t offset, std::uint64_t count) {
    flushRun();
    runStart_ = offset;
    runEnd_ = offset + count;
}

void PassThroughWriter::flushRun() {
    const std::uint64_t count = runEnd_ - runStart_;
    if (count == 0)
        return;
    if (count >= kernelCopyFrom_)
        out_.appendRange(source_, descriptor_, runStart_, count);
    else
        out_.write(block_.substr(static_cast<std::size_t>(runStart_ - blockOffset_),
                                 static_cast<std::size_t>(count)));
    runStart_ = runEnd_;
}

} // namespace tavrin
