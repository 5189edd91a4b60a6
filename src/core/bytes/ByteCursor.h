#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/bytes/LittleEndian.h"

namespace tavrin {

// Sequential, bounds-checked reader over bytes that came from a file. Every
// read checks the remaining length first and throws FormatError when the data
// is too short, so malformed input can never be read past its end.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}

    std::size_t position() const { return pos_; }
    std::size_t size() const { return data_.size(); }
    std::size_t remaining() const { return data_.size() - pos_; }
    bool atEnd() const { return pos_ == data_.size(); }

    void seek(std::size_t offset);
    void skip(std::size_t count);

    std::uint8_t u8();
    std::uint16_t u16();
    std::uint32_t u32();
    std::int32_t i32();
    std::span<const std::uint8_t> bytes(std::size_t count);
    // A string[N] field: length byte, then N bytes of which `length` count.
    std::string shortString(std::size_t capacity);

private:
    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
};

// Appends little-endian values to a growing byte buffer.
class ByteWriter {
public:
    void u8(std::uint8_t value) { out_.push_back(value); }
    void u16(std::uint16_t value);
    void u32(std::uint32_t value);
    void i32(std::int32_t value) { u32(static_cast<std::uint32_t>(value)); }
    void bytes(std::span<const std::uint8_t> data) {
        out_.insert(out_.end(), data.begin(), data.end());
    }
    void text(const std::string& data) { out_.insert(out_.end(), data.begin(), data.end()); }

    const std::vector<std::uint8_t>& data() const { return out_; }
    std::vector<std::uint8_t> take() { return std::move(out_); }

private:
    std::vector<std::uint8_t> out_;
};

} // namespace tavrin
