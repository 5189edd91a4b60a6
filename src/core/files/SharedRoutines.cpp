#include "core/files/SharedRoutines.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"
#include "core/files/FolderNames.h"

namespace tavrin {
namespace fs = std::filesystem;

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

FileHandle openForReading(const fs::path& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec))
        return nullptr;
    return FileHandle(std::fopen(path.c_str(), "rb"));
}

int digitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::string QuizBaseName(std::string_view path) {
    const auto cut = path.find_last_of("\\/:");
    std::string_view name = cut == std::string_view::npos ? path : path.substr(cut + 1);
    const auto dot = name.find_last_of('.');
    if (dot != std::string_view::npos)
        name = name.substr(0, dot);
    return std::string(name);
}

std::string ReplaceExtension(std::string_view path, std::string_view extension) {
    const auto cut = path.find_last_of("\\/:");
    const auto dot = path.find_last_of('.');
    const bool hasExtension =
        dot != std::string_view::npos && (cut == std::string_view::npos || dot > cut);
    std::string result(hasExtension ? path.substr(0, dot) : path);
    result += extension;
    return result;
}

bool IsValidFileName(std::string_view name) {
    return name.find_first_of("\"*+,/:;<=>?[]|") == std::string_view::npos;
}

std::optional<std::int32_t> ParseWholeNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';
    int base = 10;
    if (pos < text.size() && text[pos] == '$') {
        base = 16;
        ++pos;
    } else if (pos + 1 < text.size() && text[pos] == '0' &&
               (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        base = 16;
        pos += 2;
    }
    if (pos == text.size())
        return std::nullopt;
    const std::uint64_t limit =
        base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    std::uint64_t value = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = digitValue(text[pos]);
        if (digit < 0 || digit >= base)
            return std::nullopt;
        value = value * base + digit;
        if (value > limit)
            return std::nullopt;
    }
    auto magnitude = static_cast<std::uint32_t>(value);
    if (negative)
        magnitude = 0u - magnitude;
    return static_cast<std::int32_t>(magnitude);
}

bool IsWholeNumber(std::string_view text) {
    return ParseWholeNumber(text).has_value();
}

bool FindInQuizFolder(const fs::path& quizFolder, std::string_view name, std::string& found) {
    auto parts = SplitStoredPath(name);
    if (parts.empty())
        return false;
    const std::string mask = parts.back();
    parts.pop_back();
    fs::path folder = quizFolder;
    if (!parts.empty()) {
        std::string sub;
        for (const auto& part : parts)
            sub += part + "/";
        auto resolved = ResolveInFolder(quizFolder, sub);
        if (!resolved)
            return false;
        folder = *resolved;
    }
    const auto matches = ListStoredMatching(folder, mask);
    if (matches.empty())
        return false;
    found = matches.front();
    return true;
}

int AppendFileTo(const fs::path& source, AtomicFileWriter& output) {
    auto in = openForReading(source);
    if (!in)
        return kCopySourceUnreadable;
    try {
        output.appendFrom(in.get());
    } catch (const FileError&) {
        return kCopyShortWrite;
    }
    if (std::ferror(in.get()))
        throw FileError::fromErrno(source, "cannot read");
    return kCopied;
}

void CopyFileInto(const fs::path& source, const fs::path& destination, DiskSync sync) {
    std::error_code ec;
    const fs::path target =
        fs::is_directory(destination, ec) ? destination / source.filename() : destination;
    // The open source answers for its size, its run bits and whether the
    // target is the source itself: one look at each file, as cp takes.
    const int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        throw FileError::fromErrno(source, "cannot open");
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{in};
    struct stat from {};
    if (::fstat(in, &from) != 0)
        throw FileError::fromErrno(source, "cannot read");
    if (!S_ISREG(from.st_mode))
        throw FileError(source, "is not a plain file");
    struct stat to {};
    const bool replacing = ::stat(target.c_str(), &to) == 0;
    if (replacing && to.st_dev == from.st_dev && to.st_ino == from.st_ino)
        return;
    AtomicFileWriter out(target, sync);
    if (replacing)
        out.reserve(static_cast<std::uint64_t>(from.st_size));
    out.appendRange(source, in, 0, static_cast<std::uint64_t>(from.st_size));
    out.commit();
    // A copied program stays a program.
    const auto run = static_cast<fs::perms>(from.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH));
    if (run == fs::perms::none)
        return;
    fs::permissions(target, run, fs::perm_options::add, ec);
    if (ec)
        throw FileError(target, "cannot mark as a program: " + ec.message());
}

} // namespace tavrin
