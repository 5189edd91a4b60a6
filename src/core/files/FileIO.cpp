#include "core/files/FileIO.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <limits>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/bytes/FileError.h"

namespace tavrin {
namespace {

FileFaultHook& faultHook() {
    static FileFaultHook hook;
    return hook;
}

bool stepAllowed(std::string_view step, const std::filesystem::path& path) {
    const auto& hook = faultHook();
    if (hook && !hook(step, path)) {
        errno = EIO;
        return false;
    }
    return true;
}

// The fixed buffer of streamed reads and writes: large enough that system
// calls cost little beside the copying, small enough to stay in the cache.
constexpr std::size_t kStreamBufferSize = 64 * 1024;

std::filesystem::path temporaryBeside(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    auto name = target.filename().string() + ".tmp" + std::to_string(::getpid()) + "-" +
                std::to_string(counter++);
    return target.parent_path() / name;
}

} // namespace

void SetFileFaultHook(FileFaultHook hook) {
    faultHook() = std::move(hook);
}

namespace {

// A file of many megabytes would otherwise be faulted in a small page at a
// time, which costs more than reading it. Only a hint: refused, nothing changes.
void askForHugePages(void* start, std::size_t size) {
    constexpr std::uintptr_t kHugePage = 2 * 1024 * 1024;
    const auto from = (reinterpret_cast<std::uintptr_t>(start) + kHugePage - 1) & ~(kHugePage - 1);
    const auto to = (reinterpret_cast<std::uintptr_t>(start) + size) & ~(kHugePage - 1);
    if (to > from)
        ::madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
}

// Reads a whole file into any contiguous byte container, in large blocks:
// quiz files reach megabytes. The size is only a first guess, as some files
// (under /proc, say) report none.
template <typename Container> Container readWhole(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FileError::fromErrno(path, "cannot open");
    std::error_code ec;
    const auto expected = std::filesystem::file_size(path, ec);
    Container data;
    std::size_t filled = 0;
    data.reserve(ec ? 65536 : static_cast<std::size_t>(expected) + 1);
    askForHugePages(data.data(), data.capacity());
    data.resize(data.capacity());
    for (;;) {
        in.read(reinterpret_cast<char*>(data.data() + filled),
                static_cast<std::streamsize>(data.size() - filled));
        filled += static_cast<std::size_t>(in.gcount());
        if (!in)
            break;
        data.resize(data.size() * 2);
    }
    if (in.bad())
        throw FileError::fromErrno(path, "cannot read");
    data.resize(filled);
    return data;
}

} // namespace

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path) {
    return readWhole<std::vector<std::uint8_t>>(path);
}

std::vector<std::uint8_t> ReadFileRange(const std::filesystem::path& path, std::uint64_t offset,
                                        std::size_t count) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        throw FileError(path, "is a folder, not a file");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FileError::fromErrno(path, "cannot open");
    std::vector<std::uint8_t> data(count);
    if (offset > 0 && !in.seekg(static_cast<std::streamoff>(offset)))
        throw FileError::fromErrno(path, "cannot read");
    in.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(count));
    if (in.bad())
        throw FileError::fromErrno(path, "cannot read");
    data.resize(static_cast<std::size_t>(in.gcount()));
    return data;
}

std::string ReadFileText(const std::filesystem::path& path) {
    return readWhole<std::string>(path);
}

void ReadFileInBlocks(const std::filesystem::path& path,
                      const std::function<void(std::string_view)>& block) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        throw FileError(path, "is a folder, not a file");
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw FileError::fromErrno(path, "cannot open");
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    // Left uninitialised: zeroing would fault in every page for nothing.
    const auto buffer = std::make_unique_for_overwrite<char[]>(kStreamBufferSize);
    for (;;) {
        const ssize_t got = ::read(fd, buffer.get(), kStreamBufferSize);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw FileError::fromErrno(path, "cannot read");
        if (got == 0)
            return;
        block(std::string_view(buffer.get(), static_cast<std::size_t>(got)));
    }
}

AtomicFileWriter::AtomicFileWriter(std::filesystem::path target, DiskSync sync)
    : target_(std::move(target)), temp_(temporaryBeside(target_)), sync_(sync) {
    file_ = std::fopen(temp_.c_str(), "wb");
    if (!file_)
        throw FileError::fromErrno(target_, "cannot create a temporary file beside it");
    buffer_ = std::make_unique_for_overwrite<char[]>(kStreamBufferSize);
    std::setvbuf(file_, buffer_.get(), _IOFBF, kStreamBufferSize);
}

AtomicFileWriter::~AtomicFileWriter() {
    if (file_)
        std::fclose(file_);
    if (!committed_) {
        std::error_code ignored;
        std::filesystem::remove(temp_, ignored);
    }
}

void AtomicFileWriter::write(std::string_view bytes) {
    write(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

void AtomicFileWriter::write(const std::uint8_t* data, std::size_t size) {
    if (!file_)
        throw FileError(target_, "write after the file was closed");
    if (size == 0)
        return;
    if (!stepAllowed("write", target_) || std::fwrite(data, 1, size, file_) != size)
        throw FileError::fromErrno(target_, "cannot write");
}

void AtomicFileWriter::writeAt(std::uint64_t offset, const std::uint8_t* data, std::size_t size) {
    if (!file_)
        throw FileError(target_, "write after the file was closed");
    if (!stepAllowed("write", target_) || std::fflush(file_) != 0 ||
        ::pwrite(fileno(file_), data, size, static_cast<off_t>(offset)) !=
            static_cast<ssize_t>(size))
        throw FileError::fromErrno(target_, "cannot write");
}

std::uint64_t AtomicFileWriter::appendFrom(std::FILE* source, std::uint64_t limit) {
    if (!file_)
        throw FileError(target_, "write after the file was closed");
    const std::uint64_t copied = kernelCopy(source, limit);
    return copied + bufferedCopy(source, limit - copied);
}

// Lets the kernel copy between the files, as cp does, when both are plain
// files it can copy between; the rest (if any) is left to bufferedCopy.
std::uint64_t AtomicFileWriter::kernelCopy(std::FILE* source, std::uint64_t limit) {
    const int in = fileno(source);
    const int out = fileno(file_);
    const off_t start = ::lseek(in, 0, SEEK_CUR);
    // Only a stream with nothing read ahead is where its descriptor is.
    if (start < 0 || std::ftell(source) != start || std::fflush(file_) != 0 ||
        !stepAllowed("write", target_))
        return 0;
    std::uint64_t copied = 0;
    while (copied < limit) {
        const auto chunk =
            static_cast<std::size_t>(std::min<std::uint64_t>(limit - copied, std::size_t{1} << 30));
        const ssize_t done = ::copy_file_range(in, nullptr, out, nullptr, chunk, 0);
        if (done <= 0)
            break;
        copied += static_cast<std::uint64_t>(done);
    }
    if (copied > 0 && (std::fseek(source, start + static_cast<off_t>(copied), SEEK_SET) != 0 ||
                       std::fseek(file_, 0, SEEK_END) != 0))
        throw FileError::fromErrno(target_, "cannot write");
    return copied;
}

void AtomicFileWriter::appendRange(const std::filesystem::path& sourceName, int source,
                                   std::uint64_t offset, std::uint64_t count) {
    if (!file_)
        throw FileError(target_, "write after the file was closed");
    if (!stepAllowed("write", target_) || std::fflush(file_) != 0)
        throw FileError::fromErrno(target_, "cannot write");
    std::uint64_t copied = 0;
    if (stepAllowed("kernel copy", target_)) {
        auto from = static_cast<off_t>(offset);
        while (copied < count) {
            const auto chunk = static_cast<std::size_t>(
                std::min<std::uint64_t>(count - copied, std::size_t{1} << 30));
            const ssize_t done = ::copy_file_range(source, &from, fileno(file_), nullptr, chunk, 0);
            if (done <= 0)
                break;
            copied += static_cast<std::uint64_t>(done);
        }
        if (copied > 0 && std::fseek(file_, 0, SEEK_END) != 0)
            throw FileError::fromErrno(target_, "cannot write");
    }
    if (copied == count)
        return;
    const auto buffer = std::make_unique_for_overwrite<std::uint8_t[]>(kStreamBufferSize);
    while (copied < count) {
        const auto wanted =
            static_cast<std::size_t>(std::min<std::uint64_t>(count - copied, kStreamBufferSize));
        const ssize_t got =
            ::pread(source, buffer.get(), wanted, static_cast<off_t>(offset + copied));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw FileError::fromErrno(sourceName, "cannot read");
        if (got == 0)
            throw FileError(sourceName, "changed while it was being read");
        write(buffer.get(), static_cast<std::size_t>(got));
        copied += static_cast<std::uint64_t>(got);
    }
}

std::uint64_t AtomicFileWriter::bufferedCopy(std::FILE* source, std::uint64_t limit) {
    // Left uninitialised: after a kernel copy this only finds the end of the
    // source, and zeroing would fault in every page of it for nothing.
    const auto buffer = std::make_unique_for_overwrite<std::uint8_t[]>(kStreamBufferSize);
    std::uint64_t appended = 0;
    while (appended < limit) {
        const auto wanted =
            static_cast<std::size_t>(std::min<std::uint64_t>(limit - appended, kStreamBufferSize));
        const std::size_t got = std::fread(buffer.get(), 1, wanted, source);
        write(buffer.get(), got);
        appended += got;
        if (got < wanted)
            break;
    }
    return appended;
}

void AtomicFileWriter::reserve(std::uint64_t bytes) {
    if (!file_ || bytes == 0 || bytes > std::uint64_t{std::numeric_limits<off_t>::max()})
        return;
    // A refusal may still have set part aside, so the room is given back
    // either way.
    reserved_ = true;
    ::fallocate(fileno(file_), FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(bytes));
}

// Room set aside past the end goes back: truncating to the size the file
// already has frees it.
bool AtomicFileWriter::giveBackUnusedRoom() {
    if (!reserved_)
        return true;
    struct stat written {};
    const int fd = fileno(file_);
    return ::fstat(fd, &written) == 0 && ::ftruncate(fd, written.st_size) == 0;
}

void AtomicFileWriter::commit() {
    if (!file_)
        throw FileError(target_, "commit after the file was closed");
    const bool flushed = stepAllowed("flush", target_) && std::fflush(file_) == 0 &&
                         giveBackUnusedRoom() &&
                         (sync_ == DiskSync::kNoSync || ::fsync(fileno(file_)) == 0);
    const int flushError = errno;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!flushed || !closed) {
        errno = flushed ? errno : flushError;
        throw FileError::fromErrno(target_, "cannot write");
    }
    if (!stepAllowed("rename", target_) || std::rename(temp_.c_str(), target_.c_str()) != 0)
        throw FileError::fromErrno(target_, "cannot replace");
    committed_ = true;
}

void WriteFileAtomically(const std::filesystem::path& path, std::string_view content) {
    AtomicFileWriter writer(path);
    writer.write(content);
    writer.commit();
}

void WriteFileAtomically(const std::filesystem::path& path,
                         const std::vector<std::uint8_t>& content) {
    AtomicFileWriter writer(path);
    writer.write(content.data(), content.size());
    writer.commit();
}

} // namespace tavrin
