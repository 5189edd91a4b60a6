#pragma once

#include "core/rtf/RichDocument.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

// Reads rich text (RTF 1.x) as rich-text controls and word processors write it
// into a RichDocument. Reading stops at the brace that closes the document, so
// whatever follows (a topic's closing "]") is ignored. The input is untrusted:
// groups nested deeper than kMaxRtfGroupDepth are flattened, numbers are
// clamped, and a truncated or malformed source yields what could be read.
// Input that does not start with "{\rtf" is read as plain text.
class RtfReader {
public:
    static RichDocument Read(std::string_view source);

    static bool LooksLikeRtf(std::string_view source);

    // 8-bit text is taken as Windows-1252 unless it is valid UTF-8.
    static RichDocument ReadPlainText(std::string_view bytes);

private:
    enum class Destination { Text, FontTable, ColourTable, Skip };

    struct GroupState {
        Destination destination = Destination::Text;
        CharFormat format;
        int fontId = 0;
        ParagraphFormat paragraph;
        TabKind nextTabKind = TabKind::Left;
        int unicodeSkip = 1;
    };

    struct Font {
        std::string face;
        int codePage = 1252;
    };

    explicit RtfReader(std::string_view source) : source_(source) {}
    RichDocument run();

    bool appendAsciiRun();
    void openGroup();
    void closeGroup();
    void readControl();
    void readControlWord();
    void readHexByte();
    void controlWord(std::string_view word, bool hasParam, int param);
    bool documentWord(std::string_view word, int param);
    bool characterWord(std::string_view word, bool hasParam, int param);
    bool paragraphWord(std::string_view word, int param);
    bool specialCharacterWord(std::string_view word);
    void tableWord(std::string_view word, int param);

    void textByte(unsigned char byte);
    void appendCodePoint(char32_t cp);
    void appendUnicodeParam(int param);
    bool consumeSkippedCharacter();
    void flushText();
    void endParagraph();
    // The current paragraph format, shared with the paragraphs before it when
    // they are in the same one.
    const Shared<ParagraphFormat>& sharedParagraphFormat();
    void commitParagraph();
    const Shared<CharFormat>& sharedCharFormat(CharFormat format);
    void finishDocument();
    void commitFontEntry();
    void commitColourEntry();
    void setFont(int id);
    int currentCodePage() const;
    std::optional<std::uint32_t> colourAt(int index) const;

    GroupState& state() { return stack_.back(); }

    std::string_view source_;
    std::size_t pos_ = 0;
    bool finished_ = false;
    std::vector<GroupState> stack_;
    std::size_t flattenedGroups_ = 0;
    int skipCharacters_ = 0;
    char32_t pendingHighSurrogate_ = 0;

    int documentCodePage_ = 1252;
    int defaultFontId_ = 0;
    std::map<int, Font> fonts_;
    int fontEntryId_ = -1;
    std::string fontEntryName_;
    int fontEntryCodePage_ = 1252;
    std::vector<std::optional<std::uint32_t>> colours_;
    std::uint32_t colourEntry_ = 0;
    bool colourEntryHasValue_ = false;

    std::string pendingText_;
    // Text often switches between a few formats (plain, bold, plain): runs
    // in a recent format share it instead of storing it again.
    std::vector<Shared<CharFormat>> recentCharFormats_;
    std::size_t nextRecentCharFormat_ = 0;
    Shared<ParagraphFormat> lastParagraphFormat_;
    Paragraph paragraph_;
    RichDocument document_;
};

inline constexpr std::size_t kMaxRtfGroupDepth = 1000;

} // namespace tavrin
