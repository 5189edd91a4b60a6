#pragma once

#include "core/questions/TQARecord.h"
#include "core/questions/TTMRecord.h"

#include <string>
#include <vector>

namespace tavrin {

// Question records as the tests of every layer build them.
inline TQARecord QAQuestion(const std::string& id, const std::string& question,
                            const std::string& answer, bool information = false) {
    TQARecord record;
    record.setIdentifier(id);
    record.setQuestion(question);
    record.setAnswer(answer);
    record.setHasInformation(information);
    return record;
}

inline TTMRecord TIQuestion(const std::string& id, const std::string& line1,
                            const std::vector<std::string>& matches, const std::string& shown) {
    TTMRecord record;
    record.setIdentifier(id);
    record.setQuestionLine(1, line1);
    record.setCorrectAnswer(shown);
    for (std::size_t k = 0; k < matches.size(); ++k)
        record.setMatch(static_cast<int>(k + 1), matches[k]);
    return record;
}

inline TTMRecord MCQuestion(const std::string& id, const std::string& line1,
                            const std::string& correct, const std::vector<std::string>& wrong) {
    TTMRecord record;
    record.setIdentifier(id);
    record.setQuestionLine(1, line1);
    record.setCorrectAnswer(correct);
    for (std::size_t k = 0; k < wrong.size(); ++k)
        record.setWrongAnswer(static_cast<int>(k + 1), wrong[k]);
    return record;
}

} // namespace tavrin
