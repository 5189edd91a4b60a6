#pragma once

#include <string>
#include <string_view>

#include "core/rtf/RichDocument.h"

namespace tavrin {

// Turns formatted text into an HTML fragment for the web player. Every text
// run is escaped; the only markup is this class's own paragraphs, spans and
// line breaks, and style values are built from numbers and cleaned face names,
// so nothing in the text can become markup or script.
class RtfToHtml {
public:
    static std::string Convert(const RichDocument& document);
    // Rich text (or plain 8-bit text when it is not rich text) to HTML.
    static std::string ConvertSource(std::string_view source);

    static std::string EscapeText(std::string_view utf8);
};

} // namespace tavrin
