#include "core/rtf/RtfReader.h"

#include "core/bytes/Cp1252.h"
#include "core/bytes/PrintableRun.h"
#include "core/rtf/RtfCodePages.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <iterator>

namespace tavrin {
namespace {

constexpr int kParamLimit = 1'000'000'000;
constexpr std::size_t kMaxWordLength = 32;
constexpr std::size_t kMaxFonts = 4096;
constexpr std::size_t kMaxColours = 4096;
constexpr int kMaxTwips = 31680; // 22 inches, the widest page a word processor offers
constexpr int kDefaultSizeHalfPoints = 24;
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// Destinations whose content is never text of the document.
constexpr std::array<std::string_view, 52> kSkippedDestinations = {"annotation",
                                                                   "atnauthor",
                                                                   "atnid",
                                                                   "author",
                                                                   "bkmkend",
                                                                   "bkmkstart",
                                                                   "buptim",
                                                                   "category",
                                                                   "colorschememapping",
                                                                   "comment",
                                                                   "company",
                                                                   "creatim",
                                                                   "datastore",
                                                                   "docvar",
                                                                   "doccomm",
                                                                   "falt",
                                                                   "fldinst",
                                                                   "filetbl",
                                                                   "footer",
                                                                   "footerf",
                                                                   "footerl",
                                                                   "footerr",
                                                                   "footnote",
                                                                   "generator",
                                                                   "header",
                                                                   "headerf",
                                                                   "headerl",
                                                                   "headerr",
                                                                   "info",
                                                                   "keywords",
                                                                   "latentstyles",
                                                                   "listoverridetable",
                                                                   "listtable",
                                                                   "object",
                                                                   "operator",
                                                                   "pgdsctbl",
                                                                   "pict",
                                                                   "pn",
                                                                   "printim",
                                                                   "revtbl",
                                                                   "revtim",
                                                                   "rsidtbl",
                                                                   "shp",
                                                                   "stylesheet",
                                                                   "subject",
                                                                   "template",
                                                                   "themedata",
                                                                   "title",
                                                                   "txe",
                                                                   "userprops",
                                                                   "xe",
                                                                   "xmlnstbl"};

bool isSkippedDestination(std::string_view word) {
    return std::find(kSkippedDestinations.begin(), kSkippedDestinations.end(), word) !=
           kSkippedDestinations.end();
}

bool isHexDigit(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    return std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
}

int clampTwips(int value) {
    return std::clamp(value, -kMaxTwips, kMaxTwips);
}

CharFormat defaultCharFormat() {
    CharFormat format;
    format.sizeHalfPoints = kDefaultSizeHalfPoints;
    return format;
}

// Strict: overlong forms, surrogates and values past U+10FFFF are not UTF-8.
bool isValidUtf8(std::string_view bytes) {
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        char32_t cp = 0;
        bool ok = false;
        const std::size_t length = cp1252::decodeUtf8(bytes, pos, cp, ok);
        if (!ok || cp < kSmallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        pos += length;
    }
    return true;
}

} // namespace

RichDocument RtfReader::Read(std::string_view source) {
    if (!LooksLikeRtf(source))
        return ReadPlainText(source);
    return RtfReader(source).run();
}

bool RtfReader::LooksLikeRtf(std::string_view source) {
    if (source.starts_with(kUtf8Mark))
        source.remove_prefix(kUtf8Mark.size());
    const std::size_t start = source.find_first_not_of(" \t\r\n");
    return start != std::string_view::npos && source.substr(start).starts_with("{\\rtf");
}

RichDocument RtfReader::ReadPlainText(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Mark))
        bytes.remove_prefix(kUtf8Mark.size());
    if (isValidUtf8(bytes))
        return RichDocument::fromPlainText(bytes);
    return RichDocument::fromPlainText(cp1252::toUtf8(bytes));
}

RichDocument RtfReader::run() {
    pos_ = source_.find('{');
    while (pos_ < source_.size() && !finished_) {
        const char c = source_[pos_];
        if (c == '{') {
            ++pos_;
            openGroup();
        } else if (c == '}') {
            ++pos_;
            closeGroup();
        } else if (c == '\\') {
            readControl();
        } else if (!appendAsciiRun()) {
            ++pos_;
            if (c != '\r' && c != '\n' && !consumeSkippedCharacter())
                textByte(static_cast<unsigned char>(c));
        }
    }
    if (!finished_)
        finishDocument();
    return std::move(document_);
}

// Takes a run of printable ASCII text in one step where byte by byte would
// give the same: in the text, with no character to skip and no surrogate
// waiting for its pair. False when the byte at the position needs the full path.
bool RtfReader::appendAsciiRun() {
    if (skipCharacters_ > 0 || pendingHighSurrogate_ != 0 ||
        state().destination != Destination::Text)
        return false;
    const std::size_t start = pos_;
    pos_ = PrintableRunEnd<'{', '}', '\\'>(source_, pos_);
    pendingText_.append(source_.substr(start, pos_ - start));
    return pos_ > start;
}

void RtfReader::openGroup() {
    flushText();
    skipCharacters_ = 0;
    if (stack_.size() >= kMaxRtfGroupDepth) {
        ++flattenedGroups_;
        return;
    }
    if (stack_.empty()) {
        GroupState initial;
        initial.format = defaultCharFormat();
        stack_.push_back(initial);
    } else {
        stack_.push_back(stack_.back());
    }
}

void RtfReader::closeGroup() {
    flushText();
    skipCharacters_ = 0;
    if (flattenedGroups_ > 0) {
        --flattenedGroups_;
        return;
    }
    if (state().destination == Destination::FontTable)
        commitFontEntry();
    if (stack_.size() == 1) {
        finishDocument();
        return;
    }
    stack_.pop_back();
}

void RtfReader::readControl() {
    ++pos_; // the backslash
    if (pos_ >= source_.size())
        return;
    const char c = source_[pos_];
    if (std::isalpha(static_cast<unsigned char>(c))) {
        readControlWord();
        return;
    }
    ++pos_;
    if (c == '\'') {
        readHexByte();
        return;
    }
    if (state().destination == Destination::Skip || consumeSkippedCharacter())
        return;
    switch (c) {
    case '\\':
    case '{':
    case '}':
        textByte(static_cast<unsigned char>(c));
        break;
    case '~':
        appendCodePoint(0x00A0);
        break;
    case '_':
        appendCodePoint(0x2011);
        break;
    case '*':
        flushText();
        state().destination = Destination::Skip;
        break;
    case '\r':
    case '\n':
        if (state().destination == Destination::Text)
            endParagraph();
        break;
    default: // \- optional hyphen, \| and \: index marks: nothing to show
        break;
    }
}

void RtfReader::readControlWord() {
    const std::size_t start = pos_;
    while (pos_ < source_.size() && std::isalpha(static_cast<unsigned char>(source_[pos_])))
        ++pos_;
    std::string_view word = source_.substr(start, pos_ - start);
    if (word.size() > kMaxWordLength)
        word = "";
    bool negative = false;
    if (pos_ + 1 < source_.size() && source_[pos_] == '-' &&
        std::isdigit(static_cast<unsigned char>(source_[pos_ + 1]))) {
        negative = true;
        ++pos_;
    }
    bool hasParam = false;
    int param = 0;
    while (pos_ < source_.size() && std::isdigit(static_cast<unsigned char>(source_[pos_]))) {
        hasParam = true;
        param = static_cast<int>(
            std::min<long long>(kParamLimit, param * 10LL + (source_[pos_] - '0')));
        ++pos_;
    }
    if (negative)
        param = -param;
    if (pos_ < source_.size() && source_[pos_] == ' ')
        ++pos_;
    if (word == "bin") {
        // Raw bytes follow; they may hold braces, so they are stepped over whole.
        pos_ += std::min<std::size_t>(std::max(param, 0), source_.size() - pos_);
        return;
    }
    flushText();
    if (state().destination == Destination::Skip)
        return;
    if (word == "u") {
        appendUnicodeParam(param);
        return;
    }
    if (consumeSkippedCharacter())
        return;
    controlWord(word, hasParam, param);
}

void RtfReader::readHexByte() {
    if (pos_ >= source_.size() || !isHexDigit(source_[pos_]))
        return;
    int value = hexValue(source_[pos_++]);
    if (pos_ < source_.size() && isHexDigit(source_[pos_]))
        value = value * 16 + hexValue(source_[pos_++]);
    if (state().destination == Destination::Skip || consumeSkippedCharacter())
        return;
    textByte(static_cast<unsigned char>(value));
}

void RtfReader::controlWord(std::string_view word, bool hasParam, int param) {
    if (word == "fonttbl") {
        state().destination = Destination::FontTable;
        return;
    }
    if (word == "colortbl") {
        state().destination = Destination::ColourTable;
        return;
    }
    // The words of the text come first: they are most of a document's words,
    // and none of them names a destination.
    if (state().destination == Destination::Text &&
        (characterWord(word, hasParam, param) || paragraphWord(word, param) ||
         specialCharacterWord(word) || documentWord(word, param)))
        return;
    if (isSkippedDestination(word)) {
        state().destination = Destination::Skip;
        return;
    }
    if (state().destination != Destination::Text)
        tableWord(word, param);
}

bool RtfReader::documentWord(std::string_view word, int param) {
    if (word == "ansicpg")
        documentCodePage_ = param;
    else if (word == "mac")
        documentCodePage_ = 10000;
    else if (word == "pc")
        documentCodePage_ = 437;
    else if (word == "pca")
        documentCodePage_ = 850;
    else if (word == "deff")
        defaultFontId_ = state().fontId = param;
    else if (word == "uc")
        state().unicodeSkip = std::clamp(param, 0, 16);
    else
        return false;
    return true;
}

bool RtfReader::characterWord(std::string_view word, bool hasParam, int param) {
    CharFormat& format = state().format;
    const bool on = !hasParam || param != 0;
    if (word == "plain") {
        format = defaultCharFormat();
        setFont(defaultFontId_);
    } else if (word == "f") {
        setFont(param);
    } else if (word == "fs") {
        format.sizeHalfPoints = hasParam ? std::clamp(param, 2, 3276) : kDefaultSizeHalfPoints;
    } else if (word == "b") {
        format.bold = on;
    } else if (word == "i") {
        format.italic = on;
    } else if (word == "ulnone") {
        format.underline = false;
    } else if (word.starts_with("ul") && word != "ulc") { // \ul, \uld, \uldb, \ulw, \ulwave...
        format.underline = on;
    } else if (word == "strike" || word == "striked") {
        format.strikeOut = on;
    } else if (word == "cf") {
        format.colour = colourAt(param);
    } else if (word == "highlight" || word == "cb" || word == "chcbpat") {
        format.background = param == 0 ? std::nullopt : colourAt(param);
    } else {
        return false;
    }
    return true;
}

bool RtfReader::paragraphWord(std::string_view word, int param) {
    ParagraphFormat& paragraph = state().paragraph;
    if (word == "pard") {
        paragraph = ParagraphFormat{};
        state().nextTabKind = TabKind::Left;
    } else if (word == "ql") {
        paragraph.alignment = ParagraphAlignment::Left;
    } else if (word == "qc") {
        paragraph.alignment = ParagraphAlignment::Center;
    } else if (word == "qr") {
        paragraph.alignment = ParagraphAlignment::Right;
    } else if (word == "qj") {
        paragraph.alignment = ParagraphAlignment::Justify;
    } else if (word == "li") {
        paragraph.leftIndentTwips = clampTwips(param);
    } else if (word == "ri") {
        paragraph.rightIndentTwips = clampTwips(param);
    } else if (word == "fi") {
        paragraph.firstLineIndentTwips = clampTwips(param);
    } else if (word == "tqc") {
        state().nextTabKind = TabKind::Center;
    } else if (word == "tqr") {
        state().nextTabKind = TabKind::Right;
    } else if (word == "tqdec") {
        state().nextTabKind = TabKind::Decimal;
    } else if (word == "tx") {
        if (paragraph.tabStops->size() < kMaxTabStops) {
            std::vector<TabStop> stops = *paragraph.tabStops;
            stops.push_back(TabStop{std::clamp(param, 0, kMaxTwips), state().nextTabKind});
            paragraph.tabStops = std::move(stops);
        }
        state().nextTabKind = TabKind::Left;
    } else {
        return false;
    }
    return true;
}

bool RtfReader::specialCharacterWord(std::string_view word) {
    static constexpr std::array<std::pair<std::string_view, char32_t>, 14> kCharacters = {{
        {"tab", '\t'},
        {"cell", '\t'},
        {"line", '\n'},
        {"emdash", 0x2014},
        {"endash", 0x2013},
        {"emspace", 0x2003},
        {"enspace", 0x2002},
        {"qmspace", 0x2005},
        {"bullet", 0x2022},
        {"lquote", 0x2018},
        {"rquote", 0x2019},
        {"ldblquote", 0x201C},
        {"rdblquote", 0x201D},
        {"zwnj", 0x200C},
    }};
    if (word == "par" || word == "sect" || word == "page" || word == "row") {
        endParagraph();
        return true;
    }
    for (const auto& [name, cp] : kCharacters) {
        if (word == name) {
            appendCodePoint(cp);
            return true;
        }
    }
    return false;
}

void RtfReader::tableWord(std::string_view word, int param) {
    if (state().destination == Destination::FontTable) {
        if (word == "f") {
            commitFontEntry();
            fontEntryId_ = param;
            fontEntryCodePage_ = documentCodePage_;
        } else if (word == "fcharset") {
            fontEntryCodePage_ = CodePageOfCharset(param, documentCodePage_);
        } else if (word == "cpg") {
            fontEntryCodePage_ = param;
        }
        return;
    }
    const int shift = word == "red" ? 0 : word == "green" ? 8 : word == "blue" ? 16 : -1;
    if (shift < 0)
        return;
    const auto component = static_cast<std::uint32_t>(std::clamp(param, 0, 255));
    colourEntry_ = (colourEntry_ & ~(0xFFu << shift)) | (component << shift);
    colourEntryHasValue_ = true;
}

void RtfReader::textByte(unsigned char byte) {
    const Destination destination = state().destination;
    if (destination == Destination::Skip)
        return;
    if (byte == ';' && destination == Destination::FontTable) {
        commitFontEntry();
        return;
    }
    if (byte == ';' && destination == Destination::ColourTable) {
        commitColourEntry();
        return;
    }
    if (byte < 0x80) {
        appendCodePoint(byte);
        return;
    }
    appendCodePoint(DecodeCodePageByte(byte, currentCodePage()));
}

void RtfReader::appendUnicodeParam(int param) {
    if (param < 0)
        param += 0x10000;
    appendCodePoint(param < 0 || param > 0x10FFFF ? char32_t(0xFFFD) : char32_t(param));
    skipCharacters_ = state().unicodeSkip;
}

void RtfReader::appendCodePoint(char32_t cp) {
    const bool high = cp >= 0xD800 && cp <= 0xDBFF;
    const bool low = cp >= 0xDC00 && cp <= 0xDFFF;
    if (pendingHighSurrogate_ != 0) {
        const char32_t first = pendingHighSurrogate_;
        pendingHighSurrogate_ = 0;
        if (low) {
            appendCodePoint(0x10000 + ((first - 0xD800) << 10) + (cp - 0xDC00));
            return;
        }
        appendCodePoint(0xFFFD);
    }
    if (high) {
        pendingHighSurrogate_ = cp;
        return;
    }
    if (low)
        cp = 0xFFFD;
    if (cp < 0x20 && cp != '\t' && cp != '\n')
        return;
    // Most text is ASCII in the text destination: no encoding to do.
    if (cp < 0x80 && state().destination == Destination::Text) {
        pendingText_ += static_cast<char>(cp);
        return;
    }
    std::string utf8;
    cp1252::appendUtf8(utf8, cp);
    if (state().destination == Destination::Text)
        pendingText_ += utf8;
    else if (state().destination == Destination::FontTable && !IsUnfitForFontName(cp) &&
             fontEntryName_.size() + utf8.size() <= kMaxFontFaceLength)
        fontEntryName_ += utf8;
}

bool RtfReader::consumeSkippedCharacter() {
    if (skipCharacters_ <= 0)
        return false;
    --skipCharacters_;
    return true;
}

void RtfReader::flushText() {
    if (pendingText_.empty())
        return;
    CharFormat format = state().format;
    const auto font = fonts_.find(state().fontId);
    if (font != fonts_.end())
        format.fontFace = font->second.face;
    paragraph_.appendText(sharedCharFormat(std::move(format)), pendingText_);
    pendingText_.clear();
}

void RtfReader::endParagraph() {
    flushText();
    commitParagraph();
}

// The paragraph being read keeps the room of its list of runs for the next
// one; the document gets a list of just the right size.
void RtfReader::commitParagraph() {
    Paragraph done;
    done.format = sharedParagraphFormat();
    done.runs.assign(std::make_move_iterator(paragraph_.runs.begin()),
                     std::make_move_iterator(paragraph_.runs.end()));
    document_.paragraphs.push_back(std::move(done));
    paragraph_.runs.clear();
}

const Shared<CharFormat>& RtfReader::sharedCharFormat(CharFormat format) {
    constexpr std::size_t kRecentFormats = 8;
    for (const auto& recent : recentCharFormats_) {
        if (recent == format)
            return recent;
    }
    if (recentCharFormats_.size() < kRecentFormats)
        return recentCharFormats_.emplace_back(std::move(format));
    Shared<CharFormat>& replaced = recentCharFormats_[nextRecentCharFormat_];
    nextRecentCharFormat_ = (nextRecentCharFormat_ + 1) % kRecentFormats;
    replaced = std::move(format);
    return replaced;
}

const Shared<ParagraphFormat>& RtfReader::sharedParagraphFormat() {
    if (!(lastParagraphFormat_ == state().paragraph))
        lastParagraphFormat_ = state().paragraph;
    return lastParagraphFormat_;
}

void RtfReader::finishDocument() {
    flushText();
    if (!paragraph_.runs.empty())
        commitParagraph();
    finished_ = true;
}

void RtfReader::commitFontEntry() {
    if (fontEntryId_ >= 0 && (fonts_.size() < kMaxFonts || fonts_.contains(fontEntryId_))) {
        const std::size_t first = fontEntryName_.find_first_not_of(' ');
        const std::size_t last = fontEntryName_.find_last_not_of(' ');
        std::string face =
            first == std::string::npos ? "" : fontEntryName_.substr(first, last - first + 1);
        fonts_.try_emplace(fontEntryId_, Font{std::move(face), fontEntryCodePage_});
    }
    fontEntryId_ = -1;
    fontEntryName_.clear();
}

void RtfReader::commitColourEntry() {
    if (colours_.size() < kMaxColours)
        colours_.push_back(colourEntryHasValue_ ? std::optional(colourEntry_) : std::nullopt);
    colourEntry_ = 0;
    colourEntryHasValue_ = false;
}

void RtfReader::setFont(int id) {
    state().fontId = id;
}

int RtfReader::currentCodePage() const {
    if (stack_.back().destination == Destination::FontTable)
        return fontEntryCodePage_;
    const auto font = fonts_.find(stack_.back().fontId);
    return font != fonts_.end() ? font->second.codePage : documentCodePage_;
}

std::optional<std::uint32_t> RtfReader::colourAt(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= colours_.size())
        return std::nullopt;
    return colours_[static_cast<std::size_t>(index)];
}

} // namespace tavrin
