#pragma once

namespace tavrin {

// The character of an 8-bit byte in a Windows code page. Windows-1250, 1251,
// 1252, 1253, 1254 and 1257 are known; a byte of any other code page is read
// as Windows-1252, which keeps the text readable in the common cases.
char32_t DecodeCodePageByte(unsigned char byte, int codePage);

// The code page that a font's \fcharset selects; 1 means the document's own.
int CodePageOfCharset(int charset, int documentCodePage);

} // namespace tavrin
