#include "core/FileIO.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <unistd.h>

#include "core/FileError.h"

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

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FileError::fromErrno(path, "cannot open");
    // Read in large blocks: quiz files reach megabytes, and a byte-wise copy
    // costs many times what the disk does. The size is only a first guess, as
    // some files (under /proc, say) report none.
    std::error_code ec;
    const auto expected = std::filesystem::file_size(path, ec);
    std::vector<std::uint8_t> data;
    std::size_t filled = 0;
    data.resize(ec ? 65536 : static_cast<std::size_t>(expected) + 1);
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
    auto bytes = ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

AtomicFileWriter::AtomicFileWriter(std::filesystem::path target, DiskSync sync)
    : target_(std::move(target)), temp_(temporaryBeside(target_)), sync_(sync) {
    file_ = std::fopen(temp_.c_str(), "wb");
    if (!file_)
        throw FileError::fromErrno(target_, "cannot create a temporary file beside it");
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

void AtomicFileWriter::commit() {
    if (!file_)
        throw FileError(target_, "commit after the file was closed");
    const bool flushed = stepAllowed("flush", target_) && std::fflush(file_) == 0 &&
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
