#pragma once

#include <cstdint>

#include "core/bytes/FixedRecord.h"

namespace tavrin {

// Offsets of the parts of a compiled quiz, counted from its first byte.
inline constexpr std::size_t kCompiledSettingsSize = 4958;
inline constexpr std::size_t kCompiledDirectoryOffset = kCompiledSettingsSize;
inline constexpr std::size_t kCompiledHeadSize = kCompiledDirectoryOffset + 16;

// The 16 bytes after the settings that say where the rest of a compiled quiz
// lies: kind (1..3), topic block offset (0 when there is none), offset of the
// first question record and the number of records, each unsigned 32-bit.
class CompiledQuizDirectory : public FixedRecord<16> {
public:
    std::uint32_t kind() const { return u32At(0); }
    void setKind(std::uint32_t v) { setU32At(0, v); }
    std::uint32_t topicOffset() const { return u32At(4); }
    void setTopicOffset(std::uint32_t v) { setU32At(4, v); }
    std::uint32_t questionOffset() const { return u32At(8); }
    void setQuestionOffset(std::uint32_t v) { setU32At(8, v); }
    std::uint32_t questionCount() const { return u32At(12); }
    void setQuestionCount(std::uint32_t v) { setU32At(12, v); }
};

} // namespace tavrin
