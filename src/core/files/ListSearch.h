#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

// Where a Find in a list chooser lands. `lastMatch` is -1 before any match.
struct ListSearchResult {
    int select = -1;
    int lastMatch = -1;
};

// Upper-cases ASCII and the Latin-1 letters of UTF-8 text, so that a search
// ignores case for every letter that stored single-byte text can hold.
std::string UpperForSearch(std::string_view text);

// One Find in a list: searches the entries after `lastMatch` to the end for the
// first whose upper-case form contains the upper-case `text`. `findFirst`
// forgets the last match first. Nothing found selects entry 0 and keeps the
// last match, so a later Find Next still starts after it. An empty list
// selects nothing (-1).
ListSearchResult FindInList(const std::vector<std::string>& entries, std::string_view text,
                            int lastMatch, bool findFirst);

} // namespace tavrin
