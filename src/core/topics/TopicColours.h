#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavrin {

// Colours in topic files: the colour's identifier ("clSilver", "clBtnFace")
// where it has one, otherwise "$" and eight lower-case hexadecimal digits.
std::string ColourToText(std::uint32_t colour);

// Accepts an identifier (case ignored) or any whole-number text ("$00c0c0c0",
// "12632256", "-2147483633"); nothing for anything else.
std::optional<std::uint32_t> TextToColour(std::string_view text);

// The identifier of a colour value, or nothing when it has none.
std::optional<std::string_view> ColourIdentifier(std::uint32_t colour);

} // namespace tavrin
