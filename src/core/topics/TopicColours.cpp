#include "core/topics/TopicColours.h"

#include <array>
#include <cstdio>

#include "core/files/FolderNames.h"
#include "core/files/SharedRoutines.h"

namespace tavrin {
namespace {

struct NamedColour {
    std::string_view name;
    std::uint32_t value;
};

// System colours carry their system index with the top bit set, as the
// platform's colour dialog delivers them.
constexpr std::uint32_t kSystem = 0x80000000u;

constexpr std::array<NamedColour, 42> kColours = {{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clScrollBar", kSystem | 0},
    {"clBackground", kSystem | 1},
    {"clActiveCaption", kSystem | 2},
    {"clInactiveCaption", kSystem | 3},
    {"clMenu", kSystem | 4},
    {"clWindow", kSystem | 5},
    {"clWindowFrame", kSystem | 6},
    {"clMenuText", kSystem | 7},
    {"clWindowText", kSystem | 8},
    {"clCaptionText", kSystem | 9},
    {"clActiveBorder", kSystem | 10},
    {"clInactiveBorder", kSystem | 11},
    {"clAppWorkSpace", kSystem | 12},
    {"clHighlight", kSystem | 13},
    {"clHighlightText", kSystem | 14},
    {"clBtnFace", kSystem | 15},
    {"clBtnShadow", kSystem | 16},
    {"clGrayText", kSystem | 17},
    {"clBtnText", kSystem | 18},
    {"clInactiveCaptionText", kSystem | 19},
    {"clBtnHighlight", kSystem | 20},
    {"cl3DDkShadow", kSystem | 21},
    {"cl3DLight", kSystem | 22},
    {"clInfoText", kSystem | 23},
    {"clInfoBk", kSystem | 24},
    {"clNone", 0x1FFFFFFF},
}};

} // namespace

std::optional<std::string_view> ColourIdentifier(std::uint32_t colour) {
    for (const auto& named : kColours)
        if (named.value == colour)
            return named.name;
    return std::nullopt;
}

std::string ColourToText(std::uint32_t colour) {
    if (auto name = ColourIdentifier(colour))
        return std::string(*name);
    char text[10];
    std::snprintf(text, sizeof text, "$%08x", static_cast<unsigned>(colour));
    return text;
}

std::optional<std::uint32_t> TextToColour(std::string_view text) {
    for (const auto& named : kColours)
        if (EqualNoCase(named.name, text))
            return named.value;
    if (auto number = ParseWholeNumber(text))
        return static_cast<std::uint32_t>(*number);
    return std::nullopt;
}

} // namespace tavrin
