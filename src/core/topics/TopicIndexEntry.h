#pragma once

#include <cstdint>
#include <string>

#include "core/bytes/FixedRecord.h"

namespace tavrin {

// One 80-byte entry of the index: the head line with its brackets cut to 60
// characters, the offset and length of the topic's text block, and the source
// cut to 10 characters.
class TopicIndexEntry : public FixedRecord<80> {
public:
    static constexpr std::size_t kNameCapacity = 60;
    static constexpr std::size_t kSourceCapacity = 10;

    std::string name() const { return stringAt(0, kNameCapacity); }
    void setName(std::string_view text) { setStringAt(0, kNameCapacity, text); }
    std::int32_t start() const { return i32At(61); }
    void setStart(std::int32_t value) { setI32At(61, value); }
    std::int32_t length() const { return i32At(65); }
    void setLength(std::int32_t value) { setI32At(65, value); }
    std::string source() const { return stringAt(69, kSourceCapacity); }
    void setSource(std::string_view text) { setStringAt(69, kSourceCapacity, text); }
};

} // namespace tavrin
