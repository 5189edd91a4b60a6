#include "core/questions/TTMRecord.h"

#include <stdexcept>
#include <vector>

namespace tavrin {
namespace {

std::size_t slotOffset(int k, int count, std::size_t first, std::size_t width, const char* what) {
    if (k < 1 || k > count)
        throw std::out_of_range(std::string(what) + " " + std::to_string(k));
    return first + width * static_cast<std::size_t>(k - 1);
}

} // namespace

std::size_t TTMRecord::questionLineOffset(int line) {
    return slotOffset(line, kQuestionLines, 34, kLineCapacity + 1, "question line");
}
std::size_t TTMRecord::matchOffset(int k) {
    return slotOffset(k, kMatches, 671, kMatchCapacity + 1, "match");
}
std::size_t TTMRecord::wrongAnswerOffset(int k) {
    return slotOffset(k, kWrongAnswers, 860, kLineCapacity + 1, "wrong answer");
}

std::string TTMRecord::questionLine(int line) const {
    return stringAt(questionLineOffset(line), kLineCapacity);
}
void TTMRecord::setQuestionLine(int line, std::string_view v) {
    setStringAt(questionLineOffset(line), kLineCapacity, v);
}
std::string TTMRecord::match(int k) const {
    return stringAt(matchOffset(k), kMatchCapacity);
}
void TTMRecord::setMatch(int k, std::string_view v) {
    setStringAt(matchOffset(k), kMatchCapacity, v);
}
std::string TTMRecord::wrongAnswer(int k) const {
    return stringAt(wrongAnswerOffset(k), kLineCapacity);
}
void TTMRecord::setWrongAnswer(int k, std::string_view v) {
    setStringAt(wrongAnswerOffset(k), kLineCapacity, v);
}

} // namespace tavrin
