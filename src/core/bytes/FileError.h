#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace tavrin {

// A failed file operation. The message always names the file so that the
// error box shown to the author says which file is at fault.
class FileError : public std::runtime_error {
public:
    FileError(std::filesystem::path path, std::string reason);

    const std::filesystem::path& path() const { return path_; }
    const std::string& reason() const { return reason_; }

    // Builds the error from errno after a failed C or POSIX call.
    static FileError fromErrno(const std::filesystem::path& path, const std::string& action);

private:
    std::filesystem::path path_;
    std::string reason_;
};

// Data that does not have the expected layout (short, out of range, wrong kind).
class FormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace tavrin
