#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavrin {

// A font as the quiz files store it: "size colour style face", e.g.
// "16 0 1 Times New Roman". Colour is 0x00BBGGRR; style bits below.
struct FontSpec {
    enum Style : std::uint8_t { kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8 };

    int size = 10;
    std::int32_t colour = 0;
    std::uint8_t style = 0;
    std::string name = "Arial";

    bool operator==(const FontSpec&) const = default;
};

std::string FontToText(const FontSpec& font);

// Reads the first three space-separated numbers as size, colour and style and
// the whole rest as the face name. Returns false, leaving `font` unchanged,
// when the three numbers are not there.
bool TextToFont(std::string_view text, FontSpec& font);

} // namespace tavrin
