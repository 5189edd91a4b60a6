#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tavrin::testing {

// A string[N] field's significant bytes: length, then the characters.
inline std::vector<std::uint8_t> pstr(const std::string& text) {
    std::vector<std::uint8_t> b(text.size() + 1);
    b[0] = static_cast<std::uint8_t>(text.size());
    std::copy(text.begin(), text.end(), b.begin() + 1);
    return b;
}

inline void expectAt(std::span<const std::uint8_t> data, std::size_t offset,
                     const std::vector<std::uint8_t>& expected) {
    ASSERT_LE(offset + expected.size(), data.size()) << "at offset " << offset;
    EXPECT_EQ(
        std::vector<std::uint8_t>(data.begin() + offset, data.begin() + offset + expected.size()),
        expected)
        << "at offset " << offset;
}

} // namespace tavrin::testing
