#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/files/ListSearch.h"

namespace tavrin {
namespace {

const std::vector<std::string> kEntries = {"Capital of France", "River Nile", "capital of Peru",
                                           "Mount Everest", "CAPITAL OF SPAIN"};

TEST(FindInList, FindFirstAndFindNextRules) {
    struct Case {
        const char* text;
        int lastMatch;
        bool first;
        int select;
        int newLastMatch;
    };
    const Case cases[] = {
        {"capital", 3, true, 0, 0},   // find first ignores case and the last match
        {"CAPITAL", 0, false, 2, 2},  // find next walks through later matches
        {"Capital", 2, false, 4, 4},  //
        {"capital", 4, false, 0, 4},  // no later match: entry 0, no wrapping round
        {"volcano", -1, true, 0, -1}, // no match at all
        {"nile", -1, false, 1, 1},    // find next before any match starts at the top
        {"EVER", -1, true, 3, 3},     // matches inside an entry
    };
    for (const Case& c : cases) {
        const auto result = FindInList(kEntries, c.text, c.lastMatch, c.first);
        EXPECT_EQ(result.select, c.select) << c.text << " after " << c.lastMatch;
        EXPECT_EQ(result.lastMatch, c.newLastMatch) << c.text << " after " << c.lastMatch;
    }
    const auto empty = FindInList({}, "x", -1, true);
    EXPECT_EQ(empty.select, -1);
    EXPECT_EQ(empty.lastMatch, -1);
}

TEST(FindInList, AccentedLettersIgnoreCase) {
    const std::vector<std::string> entries = {"Paris", "Z\xC3\xBCrich", "\xC3\x89vian"};
    EXPECT_EQ(FindInList(entries, "Z\xC3\x9CRICH", -1, true).select, 1);
    EXPECT_EQ(FindInList(entries, "\xC3\xA9vi", -1, true).select, 2);
}

TEST(UpperForSearch, LeavesOtherCharactersAlone) {
    // Division sign U+00F7 has no capital; the euro sign is three bytes.
    EXPECT_EQ(UpperForSearch("a\xC3\xB7"
                             "b\xE2\x82\xAC"
                             "c"),
              "A\xC3\xB7"
              "B\xE2\x82\xAC"
              "C");
}

} // namespace
} // namespace tavrin
