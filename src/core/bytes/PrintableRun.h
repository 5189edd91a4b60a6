#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace tavrin {

namespace printable {

constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

// The high bit of a byte is set where that byte of `word` is zero (exact as a
// whole: nonzero exactly when some byte is zero).
constexpr std::uint64_t zeroBytes(std::uint64_t word) {
    return (word - kOnes) & ~word & kHighBits;
}

constexpr std::uint64_t bytesEqualTo(std::uint64_t word, unsigned char c) {
    return zeroBytes(word ^ (kOnes * c));
}

// Nonzero when some byte of `word` is not printable ASCII or is one of
// `Specials`. A byte below 0x20 borrows into its high bit, one from 0x7F up
// carries into it or has it set; a borrow or carry that crosses into the next
// byte comes only from such a byte, so the answer for the word is exact.
template <char... Specials> constexpr std::uint64_t stopBytes(std::uint64_t word) {
    const std::uint64_t outside = ((word - kOnes * 0x20) | (word + kOnes) | word) & kHighBits;
    return outside | (bytesEqualTo(word, static_cast<unsigned char>(Specials)) | ... | 0);
}

template <char... Specials> constexpr bool isPlain(char c) {
    return c >= 0x20 && c < 0x7F && ((c != Specials) && ...);
}

} // namespace printable

// The end of the run of printable ASCII bytes (0x20 to 0x7E) other than
// `Specials` that starts at `pos`. Text is mostly such runs, so they are
// stepped over eight bytes at a time.
template <char... Specials> std::size_t PrintableRunEnd(std::string_view text, std::size_t pos) {
    while (pos + sizeof(std::uint64_t) <= text.size()) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + pos, sizeof word);
        if (printable::stopBytes<Specials...>(word) != 0)
            break;
        pos += sizeof word;
    }
    while (pos < text.size() && printable::isPlain<Specials...>(text[pos]))
        ++pos;
    return pos;
}

} // namespace tavrin
