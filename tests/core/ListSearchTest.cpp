#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ListSearch.h"

namespace tavrin {
namespace {

const std::vector<std::string> kEntries = {"Capital of France", "River Nile", "capital of Peru",
                                           "Mount Everest", "CAPITAL OF SPAIN"};

TEST(FindInList, FindFirstIgnoresCaseAndTheLastMatch) {
    const auto result = FindInList(kEntries, "capital", 3, true);
    EXPECT_EQ(result.select, 0);
    EXPECT_EQ(result.lastMatch, 0);
}

TEST(FindInList, FindNextWalksThroughLaterMatches) {
    auto result = FindInList(kEntries, "CAPITAL", -1, true);
    EXPECT_EQ(result.select, 0);
    result = FindInList(kEntries, "CAPITAL", result.lastMatch, false);
    EXPECT_EQ(result.select, 2);
    result = FindInList(kEntries, "Capital", result.lastMatch, false);
    EXPECT_EQ(result.select, 4);
    EXPECT_EQ(result.lastMatch, 4);
}

TEST(FindInList, NoLaterMatchSelectsEntryZeroAndKeepsTheLastMatch) {
    const auto result = FindInList(kEntries, "capital", 4, false);
    EXPECT_EQ(result.select, 0);
    EXPECT_EQ(result.lastMatch, 4);
    // It does not wrap round: the next Find Next again finds nothing.
    const auto again = FindInList(kEntries, "capital", result.lastMatch, false);
    EXPECT_EQ(again.select, 0);
    EXPECT_EQ(again.lastMatch, 4);
}

TEST(FindInList, NoMatchAtAllSelectsEntryZero) {
    const auto result = FindInList(kEntries, "volcano", -1, true);
    EXPECT_EQ(result.select, 0);
    EXPECT_EQ(result.lastMatch, -1);
}

TEST(FindInList, FindNextBeforeAnyMatchStartsAtTheTop) {
    EXPECT_EQ(FindInList(kEntries, "nile", -1, false).select, 1);
}

TEST(FindInList, MatchesInsideAnEntry) {
    EXPECT_EQ(FindInList(kEntries, "EVER", -1, true).select, 3);
}

TEST(FindInList, EmptyListSelectsNothing) {
    const auto result = FindInList({}, "x", -1, true);
    EXPECT_EQ(result.select, -1);
    EXPECT_EQ(result.lastMatch, -1);
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
