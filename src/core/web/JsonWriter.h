#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

// Receives the document in pieces, in order.
using JsonSink = std::function<void(std::string_view)>;

// Writes one compact JSON document. Strings must be UTF-8 (malformed bytes
// become U+FFFD), so text read from a quiz is converted before it gets here.
// Keys and values are written in the order given; commas are placed for the
// caller. With a sink, the document passes through a buffer of fixed size, so
// a document of any size takes constant memory; without one, it is kept whole
// for text().
class JsonWriter {
public:
    JsonWriter() = default;
    explicit JsonWriter(JsonSink sink);

    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();

    JsonWriter& key(std::string_view name);
    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(std::int64_t number);
    JsonWriter& value(int number) { return value(static_cast<std::int64_t>(number)); }
    JsonWriter& value(std::uint32_t number) { return value(static_cast<std::int64_t>(number)); }
    JsonWriter& value(bool flag);
    JsonWriter& null();

    // A key and its value in one call.
    template <typename T> JsonWriter& field(std::string_view name, const T& v) {
        return key(name).value(v);
    }
    JsonWriter& stringArray(std::string_view name, const std::vector<std::string>& texts);

    // Hands what is buffered to the sink; the document's end must follow it.
    void flush();
    const std::string& text() const { return out_; }

private:
    void beforeValue();
    void appendString(std::string_view text);
    void appendPlain(std::string_view text);
    void spillIfFull();

    JsonSink sink_;
    std::string out_;
    // One entry per open object or array: true once it holds an element.
    std::vector<bool> filled_;
    bool afterKey_ = false;
};

} // namespace tavrin
