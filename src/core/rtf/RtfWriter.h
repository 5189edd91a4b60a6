#pragma once

#include "core/rtf/RichDocument.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavrin {

// Writes a RichDocument as RTF 1.x that RtfReader reads back to the same
// document and that word processors open. The result is 7-bit text with CR LF
// line ends; every line starts with a control word or a brace, never with the
// text itself, so it can be stored line by line in a sectioned text file.
// A run without a face uses a nameless font entry; a run without a size gets
// the rich-text default size (12 points) when read back.
class RtfWriter {
public:
    static std::string Write(const RichDocument& document);

private:
    explicit RtfWriter(const RichDocument& document);
    std::string run();

    void writeHeader();
    void writeParagraphFormat(const ParagraphFormat& format);
    void writeRun(const TextRun& run);
    void writeText(std::string_view utf8);
    void writeCodePoint(char32_t cp);
    void writeWord(std::string_view word, int param);

    int fontIndex(const std::string& face) const;
    int colourIndex(std::uint32_t colour) const;

    const RichDocument& document_;
    std::vector<std::string> faces_;
    std::vector<std::uint32_t> colours_;
    std::string out_;
};

} // namespace tavrin
