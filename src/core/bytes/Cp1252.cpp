#include "core/bytes/Cp1252.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tavrin::cp1252 {
namespace {

// 0x80..0x9F; 0 marks the five bytes that Windows-1252 leaves undefined, which
// are carried through as the C1 control of the same value.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t decodeByte(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        const char32_t mapped = kHighControls[byte - 0x80];
        return mapped ? mapped : byte;
    }
    return byte;
}

char encodeCodePoint(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        const char32_t mapped = kHighControls[i] ? kHighControls[i] : char32_t(0x80 + i);
        if (mapped == cp)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::size_t decodeUtf8(std::string_view text, std::size_t pos, char32_t& cp, bool& ok) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 1;
    if (lead < 0x80) {
        cp = lead;
        ok = true;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        cp = lead & 0x07;
    } else {
        ok = false;
        return 1;
    }
    if (pos + length > text.size()) {
        ok = false;
        return 1;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ok = false;
            return 1;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    ok = true;
    return length;
}

bool isValidUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        // Plain ASCII, most of any file, needs no decoding.
        if (static_cast<unsigned char>(text[pos]) < 0x80) {
            ++pos;
            continue;
        }
        char32_t cp = 0;
        bool ok = true;
        pos += decodeUtf8(text, pos, cp, ok);
        if (!ok)
            return false;
    }
    return true;
}

std::string toUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    // ASCII is the same in both, and most text is ASCII: runs of it are copied whole.
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto high = std::find_if(text.begin() + pos, text.end(), [](char c) {
            return static_cast<unsigned char>(c) >= 0x80;
        });
        const auto end = static_cast<std::size_t>(high - text.begin());
        out.append(text.substr(pos, end - pos));
        if (end == text.size())
            break;
        appendUtf8(out, decodeByte(static_cast<unsigned char>(text[end])));
        pos = end + 1;
    }
    return out;
}

std::string fromUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        char32_t cp = 0;
        bool ok = false;
        pos += decodeUtf8(text, pos, cp, ok);
        out += ok ? encodeCodePoint(cp) : '?';
    }
    return out;
}

} // namespace tavrin::cp1252
