#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

// Builds one compact JSON document. Strings must be UTF-8 (malformed bytes
// become U+FFFD), so text read from a quiz is converted before it gets here.
// Keys and values are written in the order given; commas are placed for the
// caller.
class JsonWriter {
public:
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

    void reserve(std::size_t bytes) { out_.reserve(bytes); }
    const std::string& text() const& { return out_; }
    std::string text() && { return std::move(out_); }

private:
    void beforeValue();
    void appendString(std::string_view text);

    std::string out_;
    // One entry per open object or array: true once it holds an element.
    std::vector<bool> filled_;
    bool afterKey_ = false;
};

} // namespace tavrin
