#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "core/rtf/RichDocument.h"

namespace tavrin::testing {

inline std::string Colour(const char* tag, std::optional<std::uint32_t> colour) {
    char text[16] = "";
    if (colour)
        std::snprintf(text, sizeof text, " %s%06x", tag, static_cast<unsigned>(*colour));
    return text;
}

// A paragraph's runs in one line, for tables of expected readings:
// "text{face size B I U S c<colour> h<highlight>}|next run{...}".
inline std::string Runs(const Paragraph& paragraph) {
    std::string out;
    for (const TextRun& run : paragraph.runs) {
        const CharFormat& f = *run.format;
        out += (out.empty() ? "" : "|") + run.text + "{" + f.fontFace + " " +
               std::to_string(f.sizeHalfPoints) + (f.bold ? " B" : "") + (f.italic ? " I" : "") +
               (f.underline ? " U" : "") + (f.strikeOut ? " S" : "") + Colour("c", f.colour) +
               Colour("h", f.background) + "}";
    }
    return out;
}

inline std::vector<std::string> Paragraphs(const RichDocument& document) {
    std::vector<std::string> runs;
    for (const Paragraph& paragraph : document.paragraphs)
        runs.push_back(Runs(paragraph));
    return runs;
}

} // namespace tavrin::testing
