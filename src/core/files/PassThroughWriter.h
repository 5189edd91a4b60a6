#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string_view>

namespace tavrin {

class AtomicFileWriter;

// Writes a new file that keeps most of an old one's bytes (a rewrite with one
// topic or record changed, a compiled quiz made of a topic file): the old file
// is read a block at a time, and bytes written that stand where the old file
// continues the run written so far are not copied but gathered into that run.
// A long run is then copied by the kernel, as cp does; a short one is written
// from the block. The output is exactly the bytes passed to write(), in order.
class PassThroughWriter {
public:
    // Runs of at least `kernelCopyFrom` bytes are copied by the kernel.
    PassThroughWriter(std::filesystem::path source, AtomicFileWriter& out,
                      std::size_t blockSize = kBlockSize,
                      std::uint64_t kernelCopyFrom = kKernelCopyFrom);

    // Passes the old file to `block` a block at a time, every block but the
    // last full; while it runs, pieces written that lie in the block (or
    // equal the old bytes that follow the run) join the run. Throws FileError naming the old file
    // when it cannot be opened or read.
    void readBlocks(const std::function<void(std::string_view)>& block);

    // Writes `bytes` next: from the old file where they continue the run.
    void write(std::string_view bytes);
    // Writes the old file's bytes [offset, offset + count) next; only within
    // readBlocks, and only bytes read so far.
    void copy(std::uint64_t offset, std::uint64_t count);

    static constexpr std::size_t kBlockSize = 64 * 1024;
    // Well under a block: a run must outlast the block it starts in to grow
    // long enough for the kernel to copy it.
    static constexpr std::uint64_t kKernelCopyFrom = 16 * 1024;

private:
    std::size_t fill(char* buffer);
    bool continuesRun(std::string_view bytes) const;
    bool continuesRunAcrossBlocks(std::string_view bytes) const;
    void keepTail();
    void startRun(std::uint64_t offset, std::uint64_t count);
    void flushRun();

    std::filesystem::path source_;
    AtomicFileWriter& out_;
    std::size_t blockSize_;
    std::uint64_t kernelCopyFrom_;
    int descriptor_ = -1;
    // The block being read and where it lies in the old file.
    std::string_view block_;
    std::uint64_t blockOffset_ = 0;
    // The last bytes of the block before, for a line cut between the two.
    std::array<char, 4096> tail_;
    std::size_t tailSize_ = 0;
    // The run of old bytes written but not yet passed on: [runStart_, runEnd_).
    std::uint64_t runStart_ = 0;
    std::uint64_t runEnd_ = 0;
};

} // namespace tavrin
