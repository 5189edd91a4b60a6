#include "core/web/RtfToHtml.h"

#include <cstdio>

#include "core/rtf/RtfReader.h"

namespace tavrin {
namespace {

constexpr double kTwipsPerPixel = 15.0; // 1440 twips per inch at 96 pixels per inch

std::string cssColour(std::uint32_t bgr) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", bgr & 0xFF, (bgr >> 8) & 0xFF,
                  (bgr >> 16) & 0xFF);
    return text;
}

std::string pixels(int twips) {
    return std::to_string(static_cast<int>(twips / kTwipsPerPixel)) + "px";
}

// A face name as an unquoted CSS family: words of letters, digits, '-' and
// '_' that start with a letter. Anything else is dropped, so a face name can
// neither end the style nor the attribute.
std::string cssFontFamily(std::string_view face) {
    std::string family;
    bool wordStart = true;
    for (const char c : face) {
        const auto u = static_cast<unsigned char>(c);
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || u >= 0x80;
        const bool inWord = letter || (c >= '0' && c <= '9') || c == '-' || c == '_';
        if (c == ' ') {
            if (!wordStart)
                family += ' ';
            wordStart = true;
        } else if (wordStart ? letter : inWord) {
            family += c;
            wordStart = false;
        } else if (wordStart) {
            return {}; // a word that CSS would not take unquoted
        }
    }
    while (!family.empty() && family.back() == ' ')
        family.pop_back();
    return family;
}

const char* alignmentName(ParagraphAlignment alignment) {
    switch (alignment) {
    case ParagraphAlignment::Center:
        return "center";
    case ParagraphAlignment::Right:
        return "right";
    case ParagraphAlignment::Justify:
        return "justify";
    default:
        return "left";
    }
}

} // namespace

std::string RtfToHtml::EscapeText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (const char c : utf8) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        case '\n':
            out += "<br>";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string RtfToHtml::ConvertSource(std::string_view source) {
    return Convert(RtfReader::LooksLikeRtf(source) ? RtfReader::Read(source)
                                                   : RtfReader::ReadPlainText(source));
}

// Paragraphs are blocks without margins inside one block that keeps blanks
// and tabs, as the formatted-text window shows them. Attributes are in single
// quotes, so the HTML needs no escapes inside a JSON string.
std::string RtfToHtml::Convert(const RichDocument& document) {
    std::string out = "<div style='white-space:pre-wrap'>";
    for (const auto& paragraph : document.paragraphs)
        appendParagraph(out, paragraph);
    return out + "</div>";
}

void RtfToHtml::appendParagraph(std::string& out, const Paragraph& paragraph) {
    const std::string style = paragraphStyle(*paragraph.format);
    out += style.empty() ? "<div>" : "<div style='" + style + "'>";
    for (const auto& run : paragraph.runs)
        appendRun(out, run);
    if (paragraph.runs.empty())
        out += "<br>"; // an empty paragraph still takes a line
    out += "</div>";
}

void RtfToHtml::appendRun(std::string& out, const TextRun& run) {
    const std::string style = runStyle(*run.format);
    if (style.empty()) {
        out += EscapeText(run.text);
        return;
    }
    out += "<span style='" + style + "'>" + EscapeText(run.text) + "</span>";
}

std::string RtfToHtml::runStyle(const CharFormat& format) {
    std::string style;
    if (const std::string family = cssFontFamily(format.fontFace); !family.empty())
        style += "font-family:" + family + ";";
    if (format.sizeHalfPoints > 0)
        style += "font-size:" + std::to_string(format.sizeHalfPoints / 2) +
                 (format.sizeHalfPoints % 2 ? ".5pt;" : "pt;");
    if (format.colour)
        style += "color:" + cssColour(*format.colour) + ";";
    if (format.background)
        style += "background-color:" + cssColour(*format.background) + ";";
    if (format.bold)
        style += "font-weight:bold;";
    if (format.italic)
        style += "font-style:italic;";
    if (format.underline || format.strikeOut)
        style += std::string("text-decoration:") + (format.underline ? "underline " : "") +
                 (format.strikeOut ? "line-through" : "") + ";";
    return style;
}

std::string RtfToHtml::paragraphStyle(const ParagraphFormat& format) {
    std::string style;
    if (format.alignment != ParagraphAlignment::Left)
        style += std::string("text-align:") + alignmentName(format.alignment) + ";";
    if (format.leftIndentTwips != 0)
        style += "margin-left:" + pixels(format.leftIndentTwips) + ";";
    if (format.rightIndentTwips != 0)
        style += "margin-right:" + pixels(format.rightIndentTwips) + ";";
    if (format.firstLineIndentTwips != 0)
        style += "text-indent:" + pixels(format.firstLineIndentTwips) + ";";
    return style;
}

} // namespace tavrin
