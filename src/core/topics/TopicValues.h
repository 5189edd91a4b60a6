#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavrin {

// How single values are written into and read back from topic lines.
namespace topicvalue {

// The text after the first "=" of a line; the whole line when it has none.
std::string_view AfterEquals(std::string_view line);

// The characters after the 7th ("source=" is 7 long); empty for shorter lines.
std::string_view AfterSeventh(std::string_view line);

std::string IntegerText(std::int32_t value);
// Strict conversion (decimal, or "$" and hexadecimal digits). Throws
// FormatError saying which value of which line was not a number.
std::int32_t ParseInteger(std::string_view text, std::string_view field);

std::string_view BooleanText(bool value);
// A flag is set when its value contains "true" anywhere.
bool ParseBoolean(std::string_view text);

// A colour identifier or number; throws FormatError naming the field otherwise.
std::uint32_t ParseColour(std::string_view text, std::string_view field);

// Topic names, sources and command values occupy one line: a line break in
// them would split the topic. Throws FormatError when one is present.
void RequireSingleLine(std::string_view text, std::string_view what);

} // namespace topicvalue
} // namespace tavrin
