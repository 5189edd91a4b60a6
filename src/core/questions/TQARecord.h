#pragma once

#include <string>
#include <string_view>

#include "core/bytes/FixedRecord.h"

namespace tavrin {

// A question of a "Match Question and Answer" quiz, as stored in its
// question file and in the compiled quiz.
class TQARecord : public FixedRecord<217> {
public:
    static constexpr std::size_t kIdentifierCapacity = 32;
    static constexpr std::size_t kTextCapacity = 90;

    // Set only between marking a question for deletion and compacting its file;
    // the run-time reuses it on its own copies as the answered-correctly mark.
    bool deleted() const { return flagAt(0); }
    void setDeleted(bool v) { setFlagAt(0, v); }

    // Unique within the quiz without regard to case.
    std::string identifier() const { return stringAt(1, kIdentifierCapacity); }
    void setIdentifier(std::string_view v) { setStringAt(1, kIdentifierCapacity, v); }

    std::string question() const { return stringAt(34, kTextCapacity); }
    void setQuestion(std::string_view v) { setStringAt(34, kTextCapacity, v); }

    std::string answer() const { return stringAt(125, kTextCapacity); }
    void setAnswer(std::string_view v) { setStringAt(125, kTextCapacity, v); }

    // The topic file holds information for this question under its identifier.
    bool hasInformation() const { return flagAt(216); }
    void setHasInformation(bool v) { setFlagAt(216, v); }
};

} // namespace tavrin
