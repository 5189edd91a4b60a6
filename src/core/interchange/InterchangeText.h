#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin::interchange {

// Files larger than this are refused before they are read: no question bank
// comes near it, and a larger file (a huge embedded picture, say) would only
// cost memory.
inline constexpr std::size_t kMaxFileBytes = 32u * 1024 * 1024;

// The text of an interchange file as UTF-8. A UTF-8 byte-order mark is
// dropped. Text that is not UTF-8 is read as Windows-1252 (the encoding
// spreadsheet programs save in) and a note says so; text that is neither, or
// UTF-16, or binary, is a FormatError saying what the file is.
std::string DecodeTextFile(std::string bytes, std::vector<std::string>& notes);

// HTML as plain text: tags removed, paragraphs and line breaks become '\n',
// runs of blanks one blank, entities decoded, blank lines at either end gone.
std::string HtmlToPlain(std::string_view html);
// Character references (&amp; &#233; &#xE9; and the common names) decoded;
// an unknown or malformed one is kept as written.
std::string DecodeEntities(std::string_view text);
// Markdown emphasis, code marks, heading marks and link targets removed.
std::string MarkdownToPlain(std::string_view text);

// Blanks, tabs and line ends removed at both ends.
std::string_view Trim(std::string_view text);
// Every line of the text trimmed, blank lines at either end dropped.
std::string TidyLines(std::string_view text);

// The Windows-1252 form of UTF-8 text, or nothing when some character has
// none; `offending` then names that character ("U+4E2D").
std::optional<std::string> ToCp1252(std::string_view utf8, std::string& offending);

// A number as a person writes it: "3", "2.5", "-0.125" (no exponent for
// ordinary sizes, no trailing zeros).
std::string FormatNumber(double value);
// Parses a whole decimal number ("3", "-2.5", "1e3"); nothing for other text.
std::optional<double> ParseNumber(std::string_view text);

} // namespace tavrin::interchange
