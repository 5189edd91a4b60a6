#include <gtest/gtest.h>

#include <string>

#include "core/bytes/PrintableRun.h"

namespace tavrin {
namespace {

// The run ends at the first byte that needs attention wherever it falls in the
// eight-byte words: each stopping byte is put at every place of a text longer
// than two words, and the scan starts at every offset before it.
TEST(PrintableRunEnd, StopsAtTheFirstByteThatIsNotPlainWhereverItFalls) {
    const unsigned char stops[] = {0x00, 0x1F, 0x7F, 0x80, 0x9F, 0xFF, '"', '\\'};
    for (const unsigned char stop : stops) {
        for (std::size_t at = 0; at < 19; ++at) {
            std::string text(19, 'a');
            text[at] = static_cast<char>(stop);
            for (std::size_t from = 0; from <= at; ++from)
                EXPECT_EQ((PrintableRunEnd<'"', '\\'>(text, from)), at)
                    << "byte " << int(stop) << " at " << at << " from " << from;
        }
    }
}

// The limits of printable ASCII (blank and tilde) are plain; 0xA2, a quote
// with the high bit set, stops the run as a byte that is not ASCII.
TEST(PrintableRunEnd, TakesEveryPrintableByteThatIsNotSpecial) {
    std::string all;
    for (int c = 0x20; c <= 0x7E; ++c)
        if (c != '{' && c != '}' && c != '\\')
            all += static_cast<char>(c);
    EXPECT_EQ((PrintableRunEnd<'{', '}', '\\'>(all, 0)), all.size());
    EXPECT_EQ((PrintableRunEnd<'{', '}', '\\'>(all + "{", 0)), all.size());
    const std::string withSpecial = all + "\\" + all;
    EXPECT_EQ((PrintableRunEnd<'{', '}', '\\'>(withSpecial, all.size() + 1)), withSpecial.size());
    EXPECT_EQ((PrintableRunEnd<>(std::string(16, ' ') + "\xA2", 0)), 16u);
    EXPECT_EQ((PrintableRunEnd<>("", 0)), 0u);
}

} // namespace
} // namespace tavrin
