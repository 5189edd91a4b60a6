#include "core/files/ListSearch.h"

namespace tavrin {

namespace {

constexpr unsigned char kLatin1Lead = 0xC3;

// In UTF-8, U+00E0..U+00FE are C3 A0..C3 BE and their capitals C3 80..C3 9E;
// U+00F7 (division sign) has no capital.
bool isLatin1LowerTail(unsigned char tail) {
    return tail >= 0xA0 && tail <= 0xBE && tail != 0xB7;
}

} // namespace

std::string UpperForSearch(std::string_view text) {
    std::string upper(text);
    for (std::size_t i = 0; i < upper.size(); ++i) {
        const auto byte = static_cast<unsigned char>(upper[i]);
        if (byte >= 'a' && byte <= 'z') {
            upper[i] = static_cast<char>(byte - ('a' - 'A'));
        } else if (byte == kLatin1Lead && i + 1 < upper.size()) {
            const auto tail = static_cast<unsigned char>(upper[i + 1]);
            if (isLatin1LowerTail(tail)) {
                upper[i + 1] = static_cast<char>(tail - 0x20);
            }
            ++i;
        }
    }
    return upper;
}

ListSearchResult FindInList(const std::vector<std::string>& entries, std::string_view text,
                            int lastMatch, bool findFirst) {
    ListSearchResult result;
    result.lastMatch = findFirst ? -1 : lastMatch;
    if (entries.empty()) {
        return result;
    }
    const std::string wanted = UpperForSearch(text);
    const int count = static_cast<int>(entries.size());
    const int from = result.lastMatch < 0 ? 0 : result.lastMatch + 1;
    for (int i = from; i < count; ++i) {
        if (UpperForSearch(entries[static_cast<std::size_t>(i)]).find(wanted) !=
            std::string::npos) {
            result.select = i;
            result.lastMatch = i;
            return result;
        }
    }
    result.select = 0;
    return result;
}

} // namespace tavrin
