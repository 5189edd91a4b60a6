#include "core/web/JsonWriter.h"

#include "core/bytes/Cp1252.h"
#include "core/bytes/PrintableRun.h"

namespace tavrin {
namespace {

constexpr char kHex[] = "0123456789abcdef";
// Large enough that the sink is called rarely, small enough to stay in cache.
constexpr std::size_t kBufferSize = 64 * 1024;

void appendEscapedControl(std::string& out, unsigned char c) {
    out += "\\u00";
    out += kHex[c >> 4];
    out += kHex[c & 15];
}

void appendEscapedAscii(std::string& out, unsigned char c) {
    switch (c) {
    case '"':
    case '\\':
        out += '\\';
        out += static_cast<char>(c);
        break;
    case '\n':
        out += "\\n";
        break;
    case '\r':
        out += "\\r";
        break;
    case '\t':
        out += "\\t";
        break;
    default:
        appendEscapedControl(out, c);
    }
}

} // namespace

JsonWriter::JsonWriter(JsonSink sink) : sink_(std::move(sink)) {
    out_.reserve(kBufferSize);
}

void JsonWriter::flush() {
    if (sink_ && !out_.empty()) {
        sink_(out_);
        out_.clear();
    }
}

// The buffer is checked before each value and each piece of a string, so it
// overruns its size by a few bytes at most; a long run of plain text that
// would not fit goes to the sink directly.
void JsonWriter::spillIfFull() {
    if (out_.size() >= kBufferSize)
        flush();
}

void JsonWriter::appendPlain(std::string_view text) {
    if (sink_ && out_.size() + text.size() > kBufferSize) {
        flush();
        if (text.size() > kBufferSize) {
            sink_(text);
            return;
        }
    }
    out_.append(text);
}

void JsonWriter::beforeValue() {
    spillIfFull();
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!filled_.empty()) {
        if (filled_.back())
            out_ += ',';
        filled_.back() = true;
    }
}

JsonWriter& JsonWriter::beginObject() {
    beforeValue();
    out_ += '{';
    filled_.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    out_ += '}';
    filled_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    beforeValue();
    out_ += '[';
    filled_.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    out_ += ']';
    filled_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    beforeValue();
    appendString(name);
    out_ += ':';
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view text) {
    beforeValue();
    appendString(text);
    return *this;
}

JsonWriter& JsonWriter::value(std::int64_t number) {
    beforeValue();
    out_ += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::value(bool flag) {
    beforeValue();
    out_ += flag ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::null() {
    beforeValue();
    out_ += "null";
    return *this;
}

JsonWriter& JsonWriter::stringArray(std::string_view name, const std::vector<std::string>& texts) {
    key(name).beginArray();
    for (const auto& text : texts)
        value(text);
    return endArray();
}

void JsonWriter::appendString(std::string_view text) {
    out_ += '"';
    std::size_t pos = 0;
    while (pos < text.size()) {
        spillIfFull();
        const std::size_t plain = PrintableRunEnd<'"', '\\'>(text, pos);
        appendPlain(text.substr(pos, plain - pos));
        pos = plain;
        if (pos == text.size())
            break;
        const auto c = static_cast<unsigned char>(text[pos]);
        if (c < 0x80) {
            appendEscapedAscii(out_, c);
            ++pos;
            continue;
        }
        char32_t cp = 0;
        bool ok = true;
        const std::size_t used = cp1252::decodeUtf8(text, pos, cp, ok);
        // U+2028 and U+2029 end a line in older JavaScript, not in JSON.
        if (ok && (cp == 0x2028 || cp == 0x2029))
            out_ += cp == 0x2028 ? "\\u2028" : "\\u2029";
        else if (ok)
            out_.append(text.substr(pos, used));
        else
            cp1252::appendUtf8(out_, 0xFFFD);
        pos += used;
    }
    out_ += '"';
}

} // namespace tavrin
