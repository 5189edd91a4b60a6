#include "core/files/MappedFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/bytes/FileError.h"

namespace tavrin {

MappedFile::MappedFile(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw FileError::fromErrno(path, "cannot open");
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        const FileError error = FileError::fromErrno(path, "cannot read");
        ::close(fd);
        throw error;
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(fd);
        throw FileError(path, "is not a plain file");
    }
    size_ = static_cast<std::size_t>(status.st_size);
    if (size_ > 0) {
        void* mapped = ::mmap(nullptr, size_, PROT_READ, MAP_PRIVATE, fd, 0);
        if (mapped == MAP_FAILED) {
            ::close(fd);
            throw FileError::fromErrno(path, "cannot read");
        }
        data_ = static_cast<const std::uint8_t*>(mapped);
    }
    ::close(fd);
}

MappedFile::~MappedFile() {
    if (data_)
        ::munmap(const_cast<std::uint8_t*>(data_), size_);
}

} // namespace tavrin
