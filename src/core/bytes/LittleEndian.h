#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "core/bytes/FileError.h"

namespace tavrin::le {

// Every multi-byte integer in the quiz formats is little-endian. These helpers
// check the span's bounds before touching it, so a short buffer is an error and
// never an out-of-range access.

inline void requireRange(std::size_t size, std::size_t offset, std::size_t width) {
    if (offset > size || width > size - offset)
        throw FormatError("read past the end of the data");
}

inline std::uint8_t u8(std::span<const std::uint8_t> data, std::size_t offset) {
    requireRange(data.size(), offset, 1);
    return data[offset];
}

inline std::uint16_t u16(std::span<const std::uint8_t> data, std::size_t offset) {
    requireRange(data.size(), offset, 2);
    return static_cast<std::uint16_t>(data[offset] | (data[offset + 1] << 8));
}

inline std::uint32_t u32(std::span<const std::uint8_t> data, std::size_t offset) {
    requireRange(data.size(), offset, 4);
    return static_cast<std::uint32_t>(data[offset]) |
           (static_cast<std::uint32_t>(data[offset + 1]) << 8) |
           (static_cast<std::uint32_t>(data[offset + 2]) << 16) |
           (static_cast<std::uint32_t>(data[offset + 3]) << 24);
}

inline std::int32_t i32(std::span<const std::uint8_t> data, std::size_t offset) {
    return static_cast<std::int32_t>(u32(data, offset));
}

inline std::int16_t i16(std::span<const std::uint8_t> data, std::size_t offset) {
    return static_cast<std::int16_t>(u16(data, offset));
}

inline void putU8(std::span<std::uint8_t> data, std::size_t offset, std::uint8_t value) {
    requireRange(data.size(), offset, 1);
    data[offset] = value;
}

inline void putU16(std::span<std::uint8_t> data, std::size_t offset, std::uint16_t value) {
    requireRange(data.size(), offset, 2);
    data[offset] = static_cast<std::uint8_t>(value);
    data[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void putU32(std::span<std::uint8_t> data, std::size_t offset, std::uint32_t value) {
    requireRange(data.size(), offset, 4);
    for (int i = 0; i < 4; ++i)
        data[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

inline void putI32(std::span<std::uint8_t> data, std::size_t offset, std::int32_t value) {
    putU32(data, offset, static_cast<std::uint32_t>(value));
}

inline void putI16(std::span<std::uint8_t> data, std::size_t offset, std::int16_t value) {
    putU16(data, offset, static_cast<std::uint16_t>(value));
}

} // namespace tavrin::le
