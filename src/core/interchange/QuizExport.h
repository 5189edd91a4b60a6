#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/interchange/InterchangeFormat.h"
#include "core/interchange/InterchangeQuestion.h"
#include "core/interchange/QuestionImport.h"

namespace tavrin::interchange {

// The quiz's records as interchange questions, in file order: a match pair
// and a type-an-answer question as short-answer questions, a multiple-choice
// one as a choice question; the question's text information becomes its
// general feedback. `notes` tells what the chosen format cannot carry
// (information that is not text; for GIFT and Moodle XML a displayed answer
// other than the first match, and a preview entry other than the identifier).
std::vector<Question> QuestionsOfQuiz(const QuizFiles& files, Format format,
                                      std::vector<std::string>& notes);

std::string WriteGift(const std::vector<Question>& questions);
std::string WriteMoodleXml(const std::vector<Question>& questions);
std::string WriteCsv(const std::vector<Question>& questions, QuizKind kind);

// Writes every record of the quiz to `out` in the format (GIFT, Moodle XML or
// CSV), replacing the file whole; returns the notes. A FormatError for Aiken.
std::vector<std::string> ExportQuiz(const QuizFiles& files, Format format,
                                    const std::filesystem::path& out);

} // namespace tavrin::interchange
