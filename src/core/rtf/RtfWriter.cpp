#include "core/rtf/RtfWriter.h"

#include "core/bytes/Cp1252.h"

#include <algorithm>
#include <cstdio>

namespace tavrin {
namespace {

template <typename T> void addUnique(std::vector<T>& list, const T& value) {
    if (std::find(list.begin(), list.end(), value) == list.end())
        list.push_back(value);
}

std::string fontTableName(std::string_view face) {
    std::string name;
    for (char c : face) {
        if (!IsUnfitForFontName(static_cast<unsigned char>(c)))
            name += c;
    }
    return name;
}

std::string_view alignmentWord(ParagraphAlignment alignment) {
    switch (alignment) {
    case ParagraphAlignment::Center:
        return "\\qc";
    case ParagraphAlignment::Right:
        return "\\qr";
    case ParagraphAlignment::Justify:
        return "\\qj";
    case ParagraphAlignment::Left:
        break;
    }
    return "";
}

std::string_view tabKindWord(TabKind kind) {
    switch (kind) {
    case TabKind::Center:
        return "\\tqc";
    case TabKind::Right:
        return "\\tqr";
    case TabKind::Decimal:
        return "\\tqdec";
    case TabKind::Left:
        break;
    }
    return "";
}

} // namespace

std::string RtfWriter::Write(const RichDocument& document) {
    return RtfWriter(document).run();
}

RtfWriter::RtfWriter(const RichDocument& document) : document_(document) {
    for (const Paragraph& paragraph : document.paragraphs) {
        for (const TextRun& run : paragraph.runs) {
            const CharFormat& format = *run.format;
            addUnique(faces_, format.fontFace);
            if (format.colour)
                addUnique(colours_, *format.colour & 0xFFFFFFu);
            if (format.background)
                addUnique(colours_, *format.background & 0xFFFFFFu);
        }
    }
    if (faces_.empty())
        faces_.push_back("Arial");
}

std::string RtfWriter::run() {
    writeHeader();
    const ParagraphFormat* previous = nullptr;
    for (const Paragraph& paragraph : document_.paragraphs) {
        // Paragraph properties last until the next \pard, so repeating them is noise.
        if (previous == nullptr || !(*previous == *paragraph.format))
            writeParagraphFormat(*paragraph.format);
        previous = &*paragraph.format;
        for (const TextRun& run : paragraph.runs)
            writeRun(run);
        out_ += "\\par\r\n";
    }
    out_ += "}\r\n";
    return std::move(out_);
}

void RtfWriter::writeHeader() {
    out_ += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl";
    for (std::size_t i = 0; i < faces_.size(); ++i) {
        out_ += "{\\f" + std::to_string(i) + "\\fnil\\fcharset0 ";
        writeText(fontTableName(faces_[i]));
        out_ += ";}";
    }
    out_ += "}\r\n{\\colortbl ;";
    for (std::uint32_t colour : colours_) {
        out_ += "\\red" + std::to_string(colour & 0xFF) + "\\green" +
                std::to_string((colour >> 8) & 0xFF) + "\\blue" +
                std::to_string((colour >> 16) & 0xFF) + ";";
    }
    out_ += "}\r\n";
}

void RtfWriter::writeParagraphFormat(const ParagraphFormat& format) {
    out_ += "\\pard";
    out_ += alignmentWord(format.alignment);
    if (format.leftIndentTwips != 0)
        writeWord("\\li", format.leftIndentTwips);
    if (format.rightIndentTwips != 0)
        writeWord("\\ri", format.rightIndentTwips);
    if (format.firstLineIndentTwips != 0)
        writeWord("\\fi", format.firstLineIndentTwips);
    for (const TabStop& tab : *format.tabStops) {
        out_ += tabKindWord(tab.kind);
        writeWord("\\tx", tab.positionTwips);
    }
}

void RtfWriter::writeRun(const TextRun& run) {
    const CharFormat& format = *run.format;
    out_ += "\\plain";
    writeWord("\\f", fontIndex(format.fontFace));
    if (format.sizeHalfPoints > 0)
        writeWord("\\fs", format.sizeHalfPoints);
    if (format.colour)
        writeWord("\\cf", colourIndex(*format.colour));
    if (format.background)
        writeWord("\\highlight", colourIndex(*format.background));
    if (format.bold)
        out_ += "\\b";
    if (format.italic)
        out_ += "\\i";
    if (format.underline)
        out_ += "\\ul";
    if (format.strikeOut)
        out_ += "\\strike";
    out_ += ' ';
    writeText(run.text);
}

void RtfWriter::writeText(std::string_view utf8) {
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp = 0;
        bool ok = false;
        pos += cp1252::decodeUtf8(utf8, pos, cp, ok);
        writeCodePoint(ok ? cp : char32_t(0xFFFD));
    }
}

void RtfWriter::writeCodePoint(char32_t cp) {
    if (cp == '\\' || cp == '{' || cp == '}') {
        out_ += '\\';
        out_ += static_cast<char>(cp);
    } else if (cp == '\t') {
        out_ += "\\tab ";
    } else if (cp == '\n') {
        out_ += "\\line ";
    } else if (cp < 0x20) {
        return; // other control characters have no place in the text
    } else if (cp < 0x80) {
        out_ += static_cast<char>(cp);
    } else if (cp > 0xFFFF) {
        writeCodePoint(0xD800 + ((cp - 0x10000) >> 10));
        writeCodePoint(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
        std::string utf8;
        cp1252::appendUtf8(utf8, cp);
        const std::string single = cp1252::fromUtf8(utf8);
        char escape[8];
        if (single != "?" && cp < 0xD800) {
            std::snprintf(escape, sizeof escape, "\\'%02x",
                          static_cast<unsigned>(static_cast<unsigned char>(single[0])));
            out_ += escape;
        } else {
            // A reader without Unicode shows the '?' that follows.
            writeWord("\\u", cp > 0x7FFF ? static_cast<int>(cp) - 0x10000 : static_cast<int>(cp));
            out_ += '?';
        }
    }
}

void RtfWriter::writeWord(std::string_view word, int param) {
    out_ += word;
    out_ += std::to_string(param);
}

int RtfWriter::fontIndex(const std::string& face) const {
    return static_cast<int>(std::find(faces_.begin(), faces_.end(), face) - faces_.begin());
}

int RtfWriter::colourIndex(std::uint32_t colour) const {
    const auto found = std::find(colours_.begin(), colours_.end(), colour & 0xFFFFFFu);
    return static_cast<int>(found - colours_.begin()) + 1;
}

} // namespace tavrin
