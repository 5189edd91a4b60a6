#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavrin::cp1252 {

// Stored text is single-byte Windows-1252; the user interface speaks UTF-8.
// Conversion happens only at that edge.
std::string toUtf8(std::string_view text);

// Characters with no Windows-1252 form, and malformed UTF-8, become '?'.
std::string fromUtf8(std::string_view text);

// One code point appended as UTF-8.
void appendUtf8(std::string& out, char32_t cp);

// Decodes one UTF-8 sequence at text[pos]; returns the length used (at least 1)
// and sets ok to false for a malformed sequence.
std::size_t decodeUtf8(std::string_view text, std::size_t pos, char32_t& cp, bool& ok);

// True when the whole text is well-formed UTF-8.
bool isValidUtf8(std::string_view text);

} // namespace tavrin::cp1252
