#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace tavrin {

// Turns topic file text into the indexed block that a compiled quiz carries:
// a 13-byte header, one text block per topic in file order (head line, the
// source value alone, then the topic's lines up to the first line beginning
// with "]", each ended by CR LF), then one 80-byte entry per topic. Text with
// no head line gives the header alone (count 0, index offset 0). Throws
// FormatError when the result would not fit the 32-bit offsets.
std::vector<std::uint8_t> BuildTopicIndexBytes(std::string_view topicText);

} // namespace tavrin
