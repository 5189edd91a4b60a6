#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/interchange/InterchangeQuestion.h"
#include "core/questions/QuizKind.h"

namespace tavrin::interchange {

// One record ready to be added to the question file, with what becomes its
// information. Identifier and texts are Windows-1252.
struct MappedRecord {
    std::vector<std::uint8_t> bytes;
    std::string identifier;
    std::string informationText;    // UTF-8 plain text; empty for none
    std::optional<MediaFile> media; // a picture or a WAV sound
    bool mediaIsPicture = false;
};

// What became of one question: its records, or why it was not imported.
struct MappedQuestion {
    std::vector<MappedRecord> records;
    std::string refusal;            // empty when imported
    std::vector<std::string> notes; // what was left out of an imported question
};

// Maps questions onto the records of one quiz kind. Nothing is cut or
// changed silently: a question that does not fit the kind or the field
// lengths is refused with the reason. Identifiers come from the question's
// name, else its first words, cut to 30 characters and made unique (case
// ignored) among `takenNames` and the identifiers given before.
class QuestionMapper {
public:
    QuestionMapper(QuizKind kind, const std::vector<std::string>& takenNames);

    MappedQuestion map(const Question& question);

private:
    std::string uniqueIdentifier(const std::string& base);
    std::string identifierBase(const std::string& name, const std::string& text) const;
    void mapQA(const Question& q, MappedQuestion& out);
    void mapTI(const Question& q, MappedQuestion& out);
    void mapMC(const Question& q, MappedQuestion& out);
    void attachInformation(const Question& q, MappedQuestion& out) const;

    QuizKind kind_;
    std::set<std::string> taken_; // upper case
};

// Splits question text into at most six lines: each '\n' starts a line and a
// line longer than its limit (the first `firstLimit`, the others `restLimit`
// characters) is wrapped at word boundaries. Nothing when it does not fit.
std::optional<std::vector<std::string>>
SplitQuestionLines(const std::string& text, std::size_t firstLimit, std::size_t restLimit);

} // namespace tavrin::interchange
