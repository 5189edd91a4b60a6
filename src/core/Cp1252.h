#pragma once

#include <string>
#include <string_view>

namespace tavrin::cp1252 {

// Stored text is single-byte Windows-1252; the user interface speaks UTF-8.
// Conversion happens only at that edge.
std::string toUtf8(std::string_view text);

// Characters with no Windows-1252 form, and malformed UTF-8, become '?'.
std::string fromUtf8(std::string_view text);

} // namespace tavrin::cp1252
