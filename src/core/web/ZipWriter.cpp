#include "core/web/ZipWriter.h"

#include <array>
#include <limits>

#include "core/bytes/FileError.h"
#include "core/bytes/LittleEndian.h"

namespace tavrin {
namespace {

constexpr std::uint32_t kLocalSignature = 0x04034b50;
constexpr std::uint32_t kCentralSignature = 0x02014b50;
constexpr std::uint32_t kEndSignature = 0x06054b50;
constexpr std::uint16_t kVersionNeeded = 10;                // 1.0: stored entries only
constexpr std::uint16_t kUtf8NamesFlag = 0x0800;            // names are UTF-8
constexpr std::uint16_t kDosDate = (0 << 9) | (1 << 5) | 1; // 1980-01-01
constexpr std::size_t kLocalHeaderSize = 30;
constexpr std::size_t kCentralHeaderSize = 46;
constexpr std::size_t kEndRecordSize = 22;
constexpr std::uint64_t kMaxZipOffset = std::numeric_limits<std::uint32_t>::max();

const std::array<std::uint32_t, 256>& crcTable() {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    return table;
}

// The fields the local and the central header share, from "version needed" on.
void putCommonFields(std::span<std::uint8_t> at, std::uint32_t crc, std::uint32_t size,
                     std::size_t nameLength) {
    le::putU16(at, 0, kVersionNeeded);
    le::putU16(at, 2, kUtf8NamesFlag);
    le::putU16(at, 4, 0); // stored
    le::putU16(at, 6, 0); // time 00:00
    le::putU16(at, 8, kDosDate);
    le::putU32(at, 10, crc);
    le::putU32(at, 14, size); // compressed
    le::putU32(at, 18, size); // uncompressed
    le::putU16(at, 22, static_cast<std::uint16_t>(nameLength));
    le::putU16(at, 24, 0); // no extra field
}

} // namespace

std::uint32_t ZipWriter::Crc32(std::span<const std::uint8_t> data) {
    return Crc32(0, data);
}

std::uint32_t ZipWriter::Crc32(std::uint32_t crc, std::span<const std::uint8_t> data) {
    const auto& table = crcTable();
    std::uint32_t c = crc ^ 0xFFFFFFFFu;
    for (const std::uint8_t byte : data)
        c = table[(c ^ byte) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

ZipWriter::ZipWriter(std::filesystem::path target) : out_(std::move(target)) {}

void ZipWriter::write(const std::vector<std::uint8_t>& bytes) {
    out_.write(bytes.data(), bytes.size());
    position_ += bytes.size();
}

void ZipWriter::add(std::string_view name, std::span<const std::uint8_t> data) {
    beginEntry(name);
    append(std::string_view(reinterpret_cast<const char*>(data.data()), data.size()));
    endEntry();
}

void ZipWriter::addFile(std::string_view name, const std::filesystem::path& source) {
    beginEntry(name);
    ReadFileInBlocks(source, [this](std::string_view block) { append(block); });
    endEntry();
}

void ZipWriter::beginEntry(std::string_view name) {
    if (inEntry_)
        throw FileError(out_.target(), "an entry was begun inside another");
    if (name.empty() || name.size() > 0xFFFF)
        throw FileError(out_.target(), "an entry name is empty or too long");
    if (position_ + kLocalHeaderSize + name.size() > kMaxZipOffset)
        throw FileError(out_.target(), "the package would pass 4 GB");
    entries_.push_back({std::string(name), 0, 0, static_cast<std::uint32_t>(position_)});
    writeLocalHeader(entries_.back());
    inEntry_ = true;
}

void ZipWriter::append(std::string_view bytes) {
    if (!inEntry_)
        throw FileError(out_.target(), "bytes were written outside an entry");
    Entry& entry = entries_.back();
    if (position_ + bytes.size() > kMaxZipOffset)
        throw FileError(out_.target(), "the package would pass 4 GB");
    const std::span data(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    entry.crc = Crc32(entry.crc, data);
    entry.size += static_cast<std::uint32_t>(data.size());
    out_.write(data.data(), data.size());
    position_ += data.size();
}

// Fills in the CRC and the two sizes, which follow the signature, the version,
// the flags, the method and the time and date.
void ZipWriter::endEntry() {
    if (!inEntry_)
        throw FileError(out_.target(), "an entry was ended that was not begun");
    const Entry& entry = entries_.back();
    std::vector<std::uint8_t> fields(12);
    le::putU32(fields, 0, entry.crc);
    le::putU32(fields, 4, entry.size);
    le::putU32(fields, 8, entry.size);
    out_.writeAt(entry.offset + 14, fields.data(), fields.size());
    inEntry_ = false;
}

void ZipWriter::writeLocalHeader(const Entry& entry) {
    std::vector<std::uint8_t> header(kLocalHeaderSize);
    le::putU32(header, 0, kLocalSignature);
    putCommonFields(std::span(header).subspan(4), entry.crc, entry.size, entry.name.size());
    header.insert(header.end(), entry.name.begin(), entry.name.end());
    write(header);
}

void ZipWriter::writeCentralDirectory() {
    const std::uint64_t start = position_;
    for (const auto& entry : entries_) {
        std::vector<std::uint8_t> header(kCentralHeaderSize);
        le::putU32(header, 0, kCentralSignature);
        le::putU16(header, 4, kVersionNeeded); // made by: MS-DOS, 1.0
        putCommonFields(std::span(header).subspan(6), entry.crc, entry.size, entry.name.size());
        // comment length, disk, internal and external attributes stay 0
        le::putU32(header, 42, entry.offset);
        header.insert(header.end(), entry.name.begin(), entry.name.end());
        write(header);
    }
    if (position_ + kEndRecordSize > kMaxZipOffset || entries_.size() > 0xFFFF)
        throw FileError(out_.target(), "the package would pass 4 GB or 65535 files");
    std::vector<std::uint8_t> end(kEndRecordSize);
    le::putU32(end, 0, kEndSignature);
    le::putU16(end, 8, static_cast<std::uint16_t>(entries_.size()));
    le::putU16(end, 10, static_cast<std::uint16_t>(entries_.size()));
    le::putU32(end, 12, static_cast<std::uint32_t>(position_ - start));
    le::putU32(end, 16, static_cast<std::uint32_t>(start));
    write(end);
}

void ZipWriter::finish() {
    if (inEntry_)
        throw FileError(out_.target(), "an entry was not ended");
    writeCentralDirectory();
    out_.commit();
}

} // namespace tavrin
