#include "core/web/RtfToHtml.h"

#include <cstdio>
#include <vector>

#include "core/bytes/PrintableRun.h"
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

void appendEscaped(std::string& out, std::string_view utf8) {
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t plain = PrintableRunEnd<'&', '<', '>', '"', '\''>(utf8, pos);
        out.append(utf8.substr(pos, plain - pos));
        if (plain == utf8.size())
            return;
        pos = plain + 1;
        const char c = utf8[plain];
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
}

std::string runStyle(const CharFormat& format) {
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

std::string paragraphStyle(const ParagraphFormat& format) {
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

// The styles of the last few formats: text that switches between a few
// formats (plain, bold, plain) finds each style made already.
template <typename Format> class StyleCache {
public:
    explicit StyleCache(std::string (*make)(const Format&)) : make_(make) {
        entries_.reserve(kEntries); // styles handed out stay where they are
    }
    const std::string& of(const Format& format) {
        for (const auto& entry : entries_) {
            if (entry.format == format)
                return entry.style;
        }
        Entry& entry = entries_.size() < kEntries ? entries_.emplace_back() : entries_[next_];
        next_ = (next_ + 1) % kEntries;
        entry.format = format;
        entry.style = make_(format);
        return entry.style;
    }

private:
    static constexpr std::size_t kEntries = 8;
    struct Entry {
        Format format;
        std::string style;
    };
    std::string (*make_)(const Format&);
    std::vector<Entry> entries_;
    std::size_t next_ = 0;
};

// Paragraphs are blocks without margins inside one block that keeps blanks
// and tabs, as the formatted-text window shows them. Attributes are in single
// quotes, so the HTML needs no escapes inside a JSON string.
class HtmlWriter {
public:
    std::string write(const RichDocument& document) {
        out_ = "<div style='white-space:pre-wrap'>";
        for (const auto& paragraph : document.paragraphs)
            appendParagraph(paragraph);
        out_ += "</div>";
        return std::move(out_);
    }

private:
    void appendParagraph(const Paragraph& paragraph) {
        appendOpening("div", paragraphStyles_.of(*paragraph.format));
        for (const auto& run : paragraph.runs)
            appendRun(run);
        if (paragraph.runs.empty())
            out_ += "<br>"; // an empty paragraph still takes a line
        out_ += "</div>";
    }

    void appendRun(const TextRun& run) {
        const std::string& style = runStyles_.of(*run.format);
        if (style.empty()) {
            appendEscaped(out_, run.text);
            return;
        }
        appendOpening("span", style);
        appendEscaped(out_, run.text);
        out_ += "</span>";
    }

    void appendOpening(std::string_view tag, const std::string& style) {
        out_ += '<';
        out_ += tag;
        if (!style.empty()) {
            out_ += " style='";
            out_ += style;
            out_ += '\'';
        }
        out_ += '>';
    }

    std::string out_;
    StyleCache<ParagraphFormat> paragraphStyles_{paragraphStyle};
    StyleCache<CharFormat> runStyles_{runStyle};
};

} // namespace

std::string RtfToHtml::EscapeText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    appendEscaped(out, utf8);
    return out;
}

std::string RtfToHtml::ConvertSource(std::string_view source) {
    return Convert(RtfReader::LooksLikeRtf(source) ? RtfReader::Read(source)
                                                   : RtfReader::ReadPlainText(source));
}

std::string RtfToHtml::Convert(const RichDocument& document) {
    return HtmlWriter().write(document);
}

} // namespace tavrin
