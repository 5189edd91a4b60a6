#include "core/run/QuizRunState.h"

#include <algorithm>
#include <cstdint>
#include <span>

namespace tavrin {
namespace {

// A record of the given layout filled from a list entry; an entry of another
// size fills what fits.
template <typename Record> Record RecordFrom(std::span<const std::uint8_t> bytes) {
    std::vector<std::uint8_t> raw(Record::size, 0);
    std::copy_n(bytes.begin(), std::min(bytes.size(), raw.size()), raw.begin());
    Record record;
    record.assignBytes(raw);
    return record;
}

} // namespace

int QuizRunState::recordSize() const {
    return static_cast<int>(QuestionRecordSize(kind));
}

void QuizRunState::ResetCounters() {
    QuestionNumber = 0;
    QuestionsCorrect = 0;
    QuitRequested = false;
}

void QuizRunState::ScoreCorrect(int index) {
    if (AnsweredCorrectly(index))
        return;
    std::vector<std::uint8_t> entry(RunList.At(index).begin(), RunList.At(index).end());
    entry[0] = 1;
    RunList.Put(index, entry);
    ++QuestionsCorrect;
}

bool QuizRunState::AnsweredCorrectly(int index) const {
    const auto entry = RunList.At(index);
    return !entry.empty() && entry[0] != 0;
}

void QuizRunState::UpdatePercent() {
    PercentCorrect = tavrin::PercentCorrect(QuestionsCorrect, QuestionsToTake);
}

void QuizRunState::TakeRecord(int index) {
    if (kind == QuizKind::QA)
        qaRecord = RecordFrom<TQARecord>(RunList.At(index));
    else
        tmRecord = RecordFrom<TTMRecord>(RunList.At(index));
}

void QuizRunState::PutRecordBack(int index) {
    if (kind == QuizKind::QA)
        RunList.Put(index, qaRecord.bytes());
    else
        RunList.Put(index, tmRecord.bytes());
}

std::vector<AskedQuestion> QuizRunState::AskedQuestions() const {
    std::vector<AskedQuestion> asked;
    for (int i = 0; i < RunList.Count(); ++i) {
        // Both record layouts keep the identifier at the same place.
        const auto record = RecordFrom<TQARecord>(RunList.At(i));
        asked.push_back({record.identifier(), AnsweredCorrectly(i)});
    }
    return asked;
}

std::vector<std::string> QuizRunState::QuestionTexts() const {
    std::vector<std::string> texts;
    for (int i = 0; i < RunList.Count(); ++i)
        texts.push_back(RecordFrom<TQARecord>(RunList.At(i)).question());
    return texts;
}

std::vector<std::string> QuizRunState::PreviewEntries() const {
    std::vector<std::string> entries;
    for (int i = 0; i < RunList.Count(); ++i)
        entries.push_back(RecordFrom<TTMRecord>(RunList.At(i)).previewEntry());
    return entries;
}

void QuizRunState::PrepareRunOfOne() {
    QuestionsToTake = 1;
    QuestionNumber = 1;
    QuestionsCorrect = 0;
    QuitRequested = false;
}

} // namespace tavrin
