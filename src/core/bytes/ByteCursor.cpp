#include "core/bytes/ByteCursor.h"

#include <algorithm>

namespace tavrin {

void ByteReader::seek(std::size_t offset) {
    if (offset > data_.size())
        throw FormatError("position " + std::to_string(offset) + " lies outside the data");
    pos_ = offset;
}

void ByteReader::skip(std::size_t count) {
    le::requireRange(data_.size(), pos_, count);
    pos_ += count;
}

std::uint8_t ByteReader::u8() {
    const auto value = le::u8(data_, pos_);
    pos_ += 1;
    return value;
}

std::uint16_t ByteReader::u16() {
    const auto value = le::u16(data_, pos_);
    pos_ += 2;
    return value;
}

std::uint32_t ByteReader::u32() {
    const auto value = le::u32(data_, pos_);
    pos_ += 4;
    return value;
}

std::int32_t ByteReader::i32() {
    return static_cast<std::int32_t>(u32());
}

std::span<const std::uint8_t> ByteReader::bytes(std::size_t count) {
    le::requireRange(data_.size(), pos_, count);
    auto part = data_.subspan(pos_, count);
    pos_ += count;
    return part;
}

std::string ByteReader::shortString(std::size_t capacity) {
    auto field = bytes(capacity + 1);
    const std::size_t length = std::min<std::size_t>(field[0], capacity);
    return std::string(reinterpret_cast<const char*>(field.data() + 1), length);
}

void ByteWriter::u16(std::uint16_t value) {
    out_.push_back(static_cast<std::uint8_t>(value));
    out_.push_back(static_cast<std::uint8_t>(value >> 8));
}

void ByteWriter::u32(std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

} // namespace tavrin
