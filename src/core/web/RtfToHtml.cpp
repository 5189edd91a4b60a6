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

// A face name kept to the characters a font name needs, quoted for CSS.
std::string cssFontFamily(std::string_view face) {
    std::string clean;
    for (const char c : face) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x80 || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
            (c >= 'a' && c <= 'z') || c == ' ' || c == '-' || c == '_')
            clean += c;
    }
    return clean.empty() ? std::string() : "'" + clean + "'";
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

std::string RtfToHtml::Convert(const RichDocument& document) {
    std::string out;
    for (const auto& paragraph : document.paragraphs)
        appendParagraph(out, paragraph);
    return out;
}

void RtfToHtml::appendParagraph(std::string& out, const Paragraph& paragraph) {
    out += "<p style=\"" + paragraphStyle(*paragraph.format) + "\">";
    for (const auto& run : paragraph.runs)
        appendRun(out, run);
    if (paragraph.runs.empty())
        out += "<br>"; // an empty paragraph still takes a line
    out += "</p>";
}

void RtfToHtml::appendRun(std::string& out, const TextRun& run) {
    const std::string style = runStyle(*run.format);
    if (style.empty()) {
        out += EscapeText(run.text);
        return;
    }
    out += "<span style=\"" + style + "\">" + EscapeText(run.text) + "</span>";
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
    std::string style = "margin:0;white-space:pre-wrap;text-align:";
    style += alignmentName(format.alignment);
    style += ";";
    if (format.leftIndentTwips != 0)
        style += "margin-left:" + pixels(format.leftIndentTwips) + ";";
    if (format.rightIndentTwips != 0)
        style += "margin-right:" + pixels(format.rightIndentTwips) + ";";
    if (format.firstLineIndentTwips != 0)
        style += "text-indent:" + pixels(format.firstLineIndentTwips) + ";";
    return style;
}

} // namespace tavrin
