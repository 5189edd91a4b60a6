#include "core/bytes/FileError.h"

#include <cerrno>
#include <cstring>

namespace tavrin {

FileError::FileError(std::filesystem::path path, std::string reason)
    : std::runtime_error(path.string() + ": " + reason), path_(std::move(path)),
      reason_(std::move(reason)) {}

FileError FileError::fromErrno(const std::filesystem::path& path, const std::string& action) {
    const int code = errno;
    return FileError(path, action + ": " + std::strerror(code));
}

} // namespace tavrin
