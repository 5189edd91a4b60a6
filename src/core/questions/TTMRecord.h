#pragma once

#include <string>
#include <string_view>

#include "core/bytes/FixedRecord.h"

namespace tavrin {

// A question of a "Type an Answer" or "Multiple Choice" quiz. Both kinds share
// the layout; a TI question fills only the matches and an MC question only the
// wrong answers. Both lists are kept packed: filled entries first, in order.
class TTMRecord : public FixedRecord<1367> {
public:
    static constexpr std::size_t kIdentifierCapacity = 32;
    static constexpr std::size_t kLineCapacity = 90;
    static constexpr std::size_t kMatchCapacity = 20;
    static constexpr std::size_t kPreviewCapacity = 50;
    static constexpr int kQuestionLines = 6;
    static constexpr int kMatches = 9;
    static constexpr int kWrongAnswers = 5;

    bool deleted() const { return flagAt(0); }
    void setDeleted(bool v) { setFlagAt(0, v); }

    std::string identifier() const { return stringAt(1, kIdentifierCapacity); }
    void setIdentifier(std::string_view v) { setStringAt(1, kIdentifierCapacity, v); }

    // Question lines 1..6.
    std::string questionLine(int line) const;
    void setQuestionLine(int line, std::string_view v);

    // MC: the correct choice. TI: the answer shown to the learner.
    std::string correctAnswer() const { return stringAt(580, kLineCapacity); }
    void setCorrectAnswer(std::string_view v) { setStringAt(580, kLineCapacity, v); }

    // TI: an answer containing any match 1..9 is correct.
    std::string match(int k) const;
    void setMatch(int k, std::string_view v);

    // MC: wrong answers 1..5.
    std::string wrongAnswer(int k) const;
    void setWrongAnswer(int k, std::string_view v);

    // Stands for the question in the run-time's lists; empty leaves it out.
    std::string previewEntry() const { return stringAt(1315, kPreviewCapacity); }
    void setPreviewEntry(std::string_view v) { setStringAt(1315, kPreviewCapacity, v); }

    bool hasInformation() const { return flagAt(1366); }
    void setHasInformation(bool v) { setFlagAt(1366, v); }

private:
    static std::size_t questionLineOffset(int line);
    static std::size_t matchOffset(int k);
    static std::size_t wrongAnswerOffset(int k);
};

} // namespace tavrin
