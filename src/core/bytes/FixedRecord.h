#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/bytes/FileError.h"
#include "core/bytes/LittleEndian.h"
#include "core/bytes/ShortString.h"

namespace tavrin {

// A record of the quiz formats: a fixed byte array that is stored as it is.
// Concrete records derive from it and give every field a named accessor at its
// documented offset; the bytes themselves are never reinterpreted as a struct.
template <std::size_t Size> class FixedRecord {
public:
    static constexpr std::size_t size = Size;

    FixedRecord() { bytes_.fill(0); }

    const std::array<std::uint8_t, Size>& bytes() const { return bytes_; }
    std::span<const std::uint8_t> view() const { return bytes_; }

    void clear() { bytes_.fill(0); }

    // Replaces the whole record; the source must hold exactly Size bytes.
    void assignBytes(std::span<const std::uint8_t> raw) {
        if (raw.size() != Size)
            throw FormatError("record of " + std::to_string(raw.size()) + " bytes where " +
                              std::to_string(Size) + " are expected");
        std::copy(raw.begin(), raw.end(), bytes_.begin());
    }

    bool operator==(const FixedRecord&) const = default;

protected:
    std::uint8_t u8At(std::size_t offset) const { return le::u8(bytes_, offset); }
    void setU8At(std::size_t offset, std::uint8_t v) { le::putU8(bytes_, offset, v); }
    bool flagAt(std::size_t offset) const { return u8At(offset) != 0; }
    void setFlagAt(std::size_t offset, bool v) { setU8At(offset, v ? 1 : 0); }
    std::int16_t i16At(std::size_t offset) const { return le::i16(bytes_, offset); }
    void setI16At(std::size_t offset, std::int16_t v) { le::putI16(bytes_, offset, v); }
    std::int32_t i32At(std::size_t offset) const { return le::i32(bytes_, offset); }
    void setI32At(std::size_t offset, std::int32_t v) { le::putI32(bytes_, offset, v); }
    std::uint32_t u32At(std::size_t offset) const { return le::u32(bytes_, offset); }
    void setU32At(std::size_t offset, std::uint32_t v) { le::putU32(bytes_, offset, v); }

    std::string stringAt(std::size_t offset, std::size_t capacity) const {
        return shortstring::read(field(offset, capacity + 1));
    }
    void setStringAt(std::size_t offset, std::size_t capacity, std::string_view text) {
        shortstring::write(field(offset, capacity + 1), text);
    }

    // A record embedded at `offset`, copied out as a value of its own and
    // copied back byte for byte.
    template <class Record> Record recordAt(std::size_t offset) const {
        Record record;
        record.assignBytes(field(offset, Record::size));
        return record;
    }
    template <class Record> void setRecordAt(std::size_t offset, const Record& record) {
        std::ranges::copy(record.bytes(), field(offset, Record::size).begin());
    }

    std::span<const std::uint8_t> field(std::size_t offset, std::size_t width) const {
        le::requireRange(Size, offset, width);
        return std::span<const std::uint8_t>(bytes_).subspan(offset, width);
    }
    std::span<std::uint8_t> field(std::size_t offset, std::size_t width) {
        le::requireRange(Size, offset, width);
        return std::span<std::uint8_t>(bytes_).subspan(offset, width);
    }

private:
    std::array<std::uint8_t, Size> bytes_;
};

} // namespace tavrin
