#include "core/settings/FontSpec.h"

#include "core/files/SharedRoutines.h"

namespace tavrin {
namespace {

// Takes the token up to the next space and moves past that space.
std::string_view nextToken(std::string_view& rest) {
    const auto space = rest.find(' ');
    const auto token = rest.substr(0, space);
    rest = space == std::string_view::npos ? std::string_view{} : rest.substr(space + 1);
    return token;
}

} // namespace

std::string FontToText(const FontSpec& font) {
    return std::to_string(font.size) + " " + std::to_string(font.colour) + " " +
           std::to_string(font.style) + " " + font.name;
}

bool TextToFont(std::string_view text, FontSpec& font) {
    std::string_view rest = text;
    const auto size = ParseWholeNumber(nextToken(rest));
    const auto colour = ParseWholeNumber(nextToken(rest));
    const auto style = ParseWholeNumber(nextToken(rest));
    if (!size || !colour || !style)
        return false;
    font.size = *size;
    font.colour = *colour;
    font.style = static_cast<std::uint8_t>(*style);
    font.name = std::string(rest);
    return true;
}

} // namespace tavrin
