#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

// Whole-file reads. Failures throw FileError naming the file.
std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path);
std::string ReadFileText(const std::filesystem::path& path);

// Reads at most `count` bytes from `offset` on; fewer when the file ends
// first. Throws FileError naming the file when it cannot be opened or read
// (a folder included).
std::vector<std::uint8_t> ReadFileRange(const std::filesystem::path& path, std::uint64_t offset,
                                        std::size_t count);

// Passes the file's bytes to `block` in order, a fixed-size buffer at a time,
// so that files of any size are read in constant memory. Throws FileError
// naming the file when it cannot be opened or read.
void ReadFileInBlocks(const std::filesystem::path& path,
                      const std::function<void(std::string_view)>& block);

// Replaces a file as a whole: the new content is written beside it, flushed to
// disk and renamed over the old file, so a failure at any step leaves the old
// file as it was. Throws FileError naming the file.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view content);
void WriteFileAtomically(const std::filesystem::path& path,
                         const std::vector<std::uint8_t>& content);

// Whether a finished file is forced to the disk before it takes its name.
// Copies that can simply be made again (a distribution folder) skip it: a
// crash of the program still never leaves a half file under the name.
enum class DiskSync { kSync, kNoSync };

// Streams a new version of a file into a temporary file beside it; commit()
// flushes and renames it over the target. Without commit() the temporary file
// is removed and the target stays untouched.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::filesystem::path target, DiskSync sync = DiskSync::kSync);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    void write(std::string_view bytes);
    void write(const std::uint8_t* data, std::size_t size);
    // Appends what `source` holds from its position on, at most `limit`
    // bytes, and returns the count appended; a short count with
    // ferror(source) set means the source could not be read.
    std::uint64_t appendFrom(std::FILE* source,
                             std::uint64_t limit = std::numeric_limits<std::uint64_t>::max());
    // Appends `count` bytes of the open file `source` (named `sourceName` in
    // errors) from `offset` on, leaving its position alone. The kernel copies
    // them as cp does; where it will not (another file system, an old
    // kernel), they go through memory.
    void appendRange(const std::filesystem::path& sourceName, int source, std::uint64_t offset,
                     std::uint64_t count);
    // Overwrites bytes already written, from `offset` on: fills in a length
    // or a directory known only once what follows it has been written.
    void writeAt(std::uint64_t offset, const std::uint8_t* data, std::size_t size);
    // Sets aside about `bytes` on the disk before the writing. When the file
    // replaces another, ext4 places and starts writing any blocks not yet
    // placed during the rename, which costs about as much as writing them;
    // set aside first, they are placed already. Only a hint: refused, nothing
    // changes. Room left unused is given back at commit.
    void reserve(std::uint64_t bytes);
    void commit();

    const std::filesystem::path& target() const { return target_; }

private:
    std::uint64_t kernelCopy(std::FILE* source, std::uint64_t limit);
    std::uint64_t bufferedCopy(std::FILE* source, std::uint64_t limit);
    bool giveBackUnusedRoom();

    std::filesystem::path target_;
    std::filesystem::path temp_;
    std::unique_ptr<char[]> buffer_; // the stream's buffer, larger than the default
    std::FILE* file_ = nullptr;
    DiskSync sync_ = DiskSync::kSync;
    bool committed_ = false;
    bool reserved_ = false;
};

// Test seam: when set, called before each step of a file rewrite ("write",
// "flush", "rename", "kernel copy") with the target's path; returning false
// makes that step fail as the operating system would (a refused kernel copy
// is done through memory instead). Production code never sets it.
using FileFaultHook = std::function<bool(std::string_view step, const std::filesystem::path&)>;
void SetFileFaultHook(FileFaultHook hook);

} // namespace tavrin
