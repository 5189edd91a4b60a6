#include "core/rtf/RichDocument.h"

namespace tavrin {
namespace {

// Tabs are text; other control characters cannot be shown or written as rich text.
std::string withoutControlCharacters(std::string_view line) {
    std::string text;
    text.reserve(line.size());
    for (char c : line) {
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t')
            text += c;
    }
    return text;
}

} // namespace

void Paragraph::appendText(const Shared<CharFormat>& format, std::string_view utf8) {
    if (utf8.empty())
        return;
    if (!runs.empty() && runs.back().format == format) {
        runs.back().text += utf8;
        return;
    }
    runs.push_back(TextRun{format, std::string(utf8)});
}

std::string Paragraph::plainText() const {
    std::string text;
    for (const TextRun& run : runs)
        text += run.text;
    return text;
}

RichDocument RichDocument::fromPlainText(std::string_view utf8) {
    RichDocument document;
    std::size_t start = 0;
    while (start < utf8.size()) {
        std::size_t end = utf8.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = utf8.size();
        Paragraph paragraph;
        paragraph.appendText(CharFormat{},
                             withoutControlCharacters(utf8.substr(start, end - start)));
        document.paragraphs.push_back(std::move(paragraph));
        const bool crlf = end + 1 < utf8.size() && utf8[end] == '\r' && utf8[end + 1] == '\n';
        start = end + (crlf ? 2 : 1);
    }
    return document;
}

std::string RichDocument::plainText() const {
    std::string text;
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        if (i > 0)
            text += '\n';
        text += paragraphs[i].plainText();
    }
    return text;
}

} // namespace tavrin
