#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tavrin {

// Reads and writes a string[N] field in place: one length byte, then N
// character bytes of which only `length` are significant. Storing cuts the
// text to N characters and leaves the bytes after it as they were, so a record
// that is read and written back unchanged stays byte-identical. A stored length
// above N (a damaged file) reads as N.
namespace shortstring {

inline std::string read(std::span<const std::uint8_t> field) {
    if (field.empty())
        return {};
    const std::size_t capacity = field.size() - 1;
    const std::size_t length = std::min<std::size_t>(field[0], capacity);
    return std::string(reinterpret_cast<const char*>(field.data() + 1), length);
}

inline void write(std::span<std::uint8_t> field, std::string_view text) {
    if (field.empty())
        return;
    const std::size_t capacity = std::min<std::size_t>(field.size() - 1, 255);
    const std::size_t length = std::min(text.size(), capacity);
    field[0] = static_cast<std::uint8_t>(length);
    std::copy_n(reinterpret_cast<const std::uint8_t*>(text.data()), length, field.begin() + 1);
}

} // namespace shortstring

// A string[N] as a value of its own, for fields kept outside a record.
template <std::size_t N> class ShortString {
    static_assert(N >= 1 && N <= 255, "string[N] holds at most 255 characters");

public:
    static constexpr std::size_t capacity = N;
    static constexpr std::size_t storedSize = N + 1;

    ShortString() { bytes_.fill(0); }
    explicit ShortString(std::string_view text) : ShortString() { assign(text); }

    static ShortString fromBytes(std::span<const std::uint8_t, N + 1> raw) {
        ShortString value;
        std::copy(raw.begin(), raw.end(), value.bytes_.begin());
        return value;
    }

    std::string text() const { return shortstring::read(bytes_); }
    std::size_t length() const { return std::min<std::size_t>(bytes_[0], N); }
    void assign(std::string_view text) { shortstring::write(bytes_, text); }

    const std::array<std::uint8_t, N + 1>& bytes() const { return bytes_; }

    bool operator==(const ShortString&) const = default;

private:
    std::array<std::uint8_t, N + 1> bytes_;
};

} // namespace tavrin
