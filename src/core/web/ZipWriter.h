#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/FileIO.h"

namespace tavrin {

// Writes a ZIP archive whose entries are stored uncompressed, readable by
// every unzip tool and learning platform. Entry times are fixed (1980-01-01),
// so the same content gives the same bytes. Entries stream through: the CRC
// and size are counted as the bytes pass and filled into the local header at
// the entry's end, so an entry of any size takes constant memory. The archive
// takes its name only in finish(); an archive left unfinished leaves nothing
// behind.
class ZipWriter {
public:
    explicit ZipWriter(std::filesystem::path target);

    // `name` is the path inside the archive, UTF-8, folders separated by '/'.
    void add(std::string_view name, std::span<const std::uint8_t> data);
    void addFile(std::string_view name, const std::filesystem::path& source);
    // One entry in pieces: begin, any number of appends, end.
    void beginEntry(std::string_view name);
    void append(std::string_view bytes);
    void endEntry();
    void finish();

    static std::uint32_t Crc32(std::span<const std::uint8_t> data);
    // The CRC-32 of what `crc` was taken over followed by `data`.
    static std::uint32_t Crc32(std::uint32_t crc, std::span<const std::uint8_t> data);

private:
    struct Entry {
        std::string name;
        std::uint32_t crc = 0;
        std::uint32_t size = 0;
        std::uint32_t offset = 0;
    };

    void writeLocalHeader(const Entry& entry);
    void writeCentralDirectory();
    void write(const std::vector<std::uint8_t>& bytes);

    AtomicFileWriter out_;
    std::vector<Entry> entries_;
    std::uint64_t position_ = 0;
    bool inEntry_ = false;
};

} // namespace tavrin
