#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/rtf/Shared.h"

namespace tavrin {

// Character formatting of a run of text.
struct CharFormat {
    std::string fontFace;                // empty: the viewer's default face
    int sizeHalfPoints = 0;              // 0: the viewer's default size
    std::optional<std::uint32_t> colour; // 0x00BBGGRR; none: automatic
    std::optional<std::uint32_t> background;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const CharFormat&) const = default;
};

// Text in one format. UTF-8; '\t' is a tab, '\n' a line break inside the paragraph.
// Runs in one format share it.
struct TextRun {
    Shared<CharFormat> format;
    std::string text;

    bool operator==(const TextRun&) const = default;
};

enum class ParagraphAlignment { Left, Center, Right, Justify };
enum class TabKind { Left, Center, Right, Decimal };

struct TabStop {
    int positionTwips = 0;
    TabKind kind = TabKind::Left;

    bool operator==(const TabStop&) const = default;
};

// Distances are in twips (1/1440 inch), as rich text stores them.
struct ParagraphFormat {
    ParagraphAlignment alignment = ParagraphAlignment::Left;
    int leftIndentTwips = 0;
    int rightIndentTwips = 0;
    int firstLineIndentTwips = 0;
    Shared<std::vector<TabStop>> tabStops;

    bool operator==(const ParagraphFormat&) const = default;
};

// Paragraphs in one format share it, so a long document costs little more
// than its text.
struct Paragraph {
    Shared<ParagraphFormat> format;
    std::vector<TextRun> runs;

    bool operator==(const Paragraph&) const = default;

    // Adds text, extending the last run when it has the same format.
    void appendText(const Shared<CharFormat>& format, std::string_view utf8);
    std::string plainText() const;
};

// A formatted text as the rich-text reader delivers it and the writer takes it.
// Paragraphs are never moved once read: a document grows without copying.
struct RichDocument {
    std::deque<Paragraph> paragraphs;

    bool operator==(const RichDocument&) const = default;

    // One paragraph per line in the default format; CR LF, LF and CR all end
    // a line, and a final line end does not start an empty paragraph. Control
    // characters other than tab are dropped.
    static RichDocument fromPlainText(std::string_view utf8);

    // The paragraphs' text joined by '\n'.
    std::string plainText() const;
};

// Limits that keep untrusted input from costing unbounded time or memory.
inline constexpr std::size_t kMaxTabStops = 64;
inline constexpr std::size_t kMaxFontFaceLength = 128;

// Characters that a face name cannot hold in a rich-text font table.
inline bool IsUnfitForFontName(char32_t cp) {
    return cp < 0x20 || cp == ';' || cp == '{' || cp == '}' || cp == '\\';
}

} // namespace tavrin
