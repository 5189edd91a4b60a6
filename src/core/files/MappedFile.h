#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace tavrin {

// A whole file mapped read-only: its bytes are read from the page cache only
// where they are looked at, so a reader that needs a few tables of a large
// file neither copies nor holds the rest. Throws FileError naming the file.
class MappedFile {
public:
    explicit MappedFile(const std::filesystem::path& path);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    std::span<const std::uint8_t> bytes() const { return {data_, size_}; }

private:
    const std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
};

} // namespace tavrin
