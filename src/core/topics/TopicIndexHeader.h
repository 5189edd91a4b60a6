#pragma once

#include <cstdint>
#include <string>

#include "core/bytes/FixedRecord.h"

namespace tavrin {

// The first 13 bytes of an indexed topic block: signature string[4] "WR1",
// topic count and the offset of the first index entry, both counted from the
// start of the block.
class TopicIndexHeader : public FixedRecord<13> {
public:
    static constexpr std::string_view kSignature = "WR1";

    std::string signature() const { return stringAt(0, 4); }
    void setSignature(std::string_view text) { setStringAt(0, 4, text); }
    std::int32_t count() const { return i32At(5); }
    void setCount(std::int32_t value) { setI32At(5, value); }
    std::int32_t indexOffset() const { return i32At(9); }
    void setIndexOffset(std::int32_t value) { setI32At(9, value); }
};

} // namespace tavrin
