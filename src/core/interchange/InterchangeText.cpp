#include "core/interchange/InterchangeText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstdlib>

#include "core/bytes/Cp1252.h"
#include "core/bytes/FileError.h"

namespace tavrin::interchange {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

// Bytes that Windows-1252 leaves undefined; text holding one is not from it.
bool IsCp1252Text(std::string_view bytes) {
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D)
            return false;
    }
    return true;
}

// The Latin-1 entity names from &nbsp; (160) to &yuml; (255), in code order.
constexpr std::array<const char*, 96> kLatin1Names = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",
    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn",
    "sup2",   "sup3",   "acute",  "micro",  "para",   "middot", "cedil",  "sup1",   "ordm",
    "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave", "Aacute", "Acirc",  "Atilde",
    "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave",
    "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde",
    "Ouml",   "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",
    "szlig",  "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",   "eth",
    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide", "oslash", "ugrave",
    "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};

struct NamedEntity {
    const char* name;
    char32_t cp;
};
constexpr std::array<NamedEntity, 16> kOtherNames = {{{"amp", '&'},
                                                      {"lt", '<'},
                                                      {"gt", '>'},
                                                      {"quot", '"'},
                                                      {"apos", '\''},
                                                      {"ndash", 0x2013},
                                                      {"mdash", 0x2014},
                                                      {"lsquo", 0x2018},
                                                      {"rsquo", 0x2019},
                                                      {"ldquo", 0x201C},
                                                      {"rdquo", 0x201D},
                                                      {"hellip", 0x2026},
                                                      {"euro", 0x20AC},
                                                      {"trade", 0x2122},
                                                      {"bull", 0x2022},
                                                      {"OElig", 0x152}}};

std::optional<char32_t> EntityValue(std::string_view name) {
    if (name.size() > 1 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        const std::string_view digits = name.substr(hex ? 2 : 1);
        unsigned long value = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), value, hex ? 16 : 10);
        if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
            value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return std::nullopt;
        return static_cast<char32_t>(value);
    }
    for (std::size_t i = 0; i < kLatin1Names.size(); ++i)
        if (name == kLatin1Names[i])
            return static_cast<char32_t>(160 + i);
    for (const auto& entity : kOtherNames)
        if (name == entity.name)
            return entity.cp;
    return std::nullopt;
}

// Lower-case tag name at html[pos] (just after '<', maybe after '/').
std::string TagName(std::string_view html, std::size_t pos) {
    if (pos < html.size() && html[pos] == '/')
        ++pos;
    std::string name;
    while (pos < html.size() && std::isalnum(static_cast<unsigned char>(html[pos])))
        name += static_cast<char>(std::tolower(static_cast<unsigned char>(html[pos++])));
    return name;
}

bool BreaksLine(const std::string& tag) {
    return tag == "br" || tag == "p" || tag == "div" || tag == "li" || tag == "tr" || tag == "h1" ||
           tag == "h2" || tag == "h3" || tag == "h4" || tag == "h5" || tag == "h6" || tag == "ul" ||
           tag == "ol" || tag == "table";
}

// Text that HTML reading would leave exactly as it is: no markup, no
// entities, no line breaks and no blanks but single spaces between words.
bool IsAlreadyPlain(std::string_view text) {
    if (!text.empty() && (text.front() == ' ' || text.back() == ' '))
        return false;
    char previous = 0;
    for (const char c : text) {
        if (c == '<' || c == '&' || (IsBlank(c) && (c != ' ' || previous == ' ')))
            return false;
        previous = c;
    }
    return true;
}

} // namespace

std::string DecodeTextFile(std::string bytes, std::vector<std::string>& notes) {
    if (bytes.size() >= 2 &&
        ((bytes[0] == '\xFF' && bytes[1] == '\xFE') || (bytes[0] == '\xFE' && bytes[1] == '\xFF')))
        throw FormatError("it is UTF-16 text; save it as UTF-8 and import it again");
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.erase(0, 3);
    if (bytes.find('\0') != std::string::npos)
        throw FormatError("it is not a text file");
    if (cp1252::isValidUtf8(bytes))
        return bytes; // the file's own buffer: no copy of a large file
    if (!IsCp1252Text(bytes))
        throw FormatError("it is neither UTF-8 nor Windows-1252 text");
    notes.push_back("The file is not UTF-8; it was read as Windows-1252 text.");
    return cp1252::toUtf8(bytes);
}

std::string DecodeEntities(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if (text[pos] != '&') {
            out += text[pos];
            continue;
        }
        const std::size_t end = text.find(';', pos);
        const std::optional<char32_t> value = end != std::string_view::npos && end - pos <= 10
                                                  ? EntityValue(text.substr(pos + 1, end - pos - 1))
                                                  : std::nullopt;
        if (!value) {
            out += '&';
            continue;
        }
        cp1252::appendUtf8(out, *value == 0xA0 ? U' ' : *value);
        pos = end;
    }
    return out;
}

std::string HtmlToPlain(std::string_view html) {
    if (IsAlreadyPlain(html))
        return std::string(html); // most answers and names: spare the three passes
    std::string text;
    text.reserve(html.size());
    bool pendingBlank = false;
    std::size_t pos = 0;
    while (pos < html.size()) {
        const char c = html[pos];
        if (c == '<') {
            const std::string tag = TagName(html, pos + 1);
            std::size_t end = html.find('>', pos);
            if (tag == "script" || tag == "style") {
                const std::size_t close = html.find("</" + tag, pos + 1);
                end = close == std::string_view::npos ? close : html.find('>', close);
            }
            if (end == std::string_view::npos)
                break;
            if (BreaksLine(tag)) {
                text += '\n';
                pendingBlank = false;
            }
            pos = end + 1;
            continue;
        }
        if (IsBlank(c)) {
            pendingBlank = true;
            ++pos;
            continue;
        }
        if (pendingBlank && !text.empty() && text.back() != '\n')
            text += ' ';
        pendingBlank = false;
        text += c;
        ++pos;
    }
    return TidyLines(DecodeEntities(text));
}

std::string MarkdownToPlain(std::string_view text) {
    std::string out;
    bool lineStart = true;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (lineStart && c == '#') {
            while (pos < text.size() && (text[pos] == '#' || text[pos] == ' '))
                ++pos;
            --pos;
            lineStart = false;
            continue;
        }
        lineStart = c == '\n';
        if (c == '*' || c == '`' || (c == '_' && (pos + 1 < text.size() && text[pos + 1] == '_')))
            continue;
        if (c == ']' && pos + 1 < text.size() && text[pos + 1] == '(') {
            const std::size_t close = text.find(')', pos);
            if (close != std::string_view::npos) {
                pos = close;
                continue;
            }
        }
        if (c == '[' && text.find("](", pos) != std::string_view::npos)
            continue;
        out += c;
    }
    return out;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string TidyLines(std::string_view text) {
    std::string out;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        out += Trim(text.substr(start, end - start));
        out += '\n';
        start = end + 1;
    }
    return std::string(Trim(out));
}

std::optional<std::string> ToCp1252(std::string_view utf8, std::string& offending) {
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; }))
        return std::string(utf8);
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        char32_t cp = 0;
        bool ok = true;
        const std::size_t length = cp1252::decodeUtf8(utf8, pos, cp, ok);
        const std::string single = cp1252::fromUtf8(utf8.substr(pos, length));
        if (!ok || (single == "?" && cp != '?')) {
            char name[16];
            std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(ok ? cp : 0xFFFD));
            offending = name;
            return std::nullopt;
        }
        out += single;
        pos += length;
    }
    return out;
}

std::string FormatNumber(double value) {
    char buffer[400];
    if (!(value > -1e15 && value < 1e15)) {
        std::snprintf(buffer, sizeof buffer, "%.17g", value);
        return buffer;
    }
    for (int decimals = 0; decimals <= 15; ++decimals) {
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
        if (std::strtod(buffer, nullptr) == value)
            break;
    }
    return buffer;
}

std::optional<double> ParseNumber(std::string_view text) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace tavrin::interchange
