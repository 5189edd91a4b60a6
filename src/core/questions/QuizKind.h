#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace tavrin {

// The three kinds of quiz; the numbers are stored in files.
enum class QuizKind : int { QA = 1, TI = 2, MC = 3 };

std::optional<QuizKind> QuizKindFromNumber(int number);

// File extensions of a quiz's files, by kind (".QAJ", ".TIJ", ".MCJ" and so on).
struct QuizExtensions {
    const char* quiz;      // settings
    const char* questions; // question records
    const char* topics;    // topic text
    const char* compiled;
    const char* results;
    const char* swap;
};
const QuizExtensions& ExtensionsOf(QuizKind kind);

// Size of one question record: 217 for QA, 1367 for TI and MC.
std::size_t QuestionRecordSize(QuizKind kind);

// "Match Question and Answer", "Type an Answer", "Multiple Choice".
const char* KindTitle(QuizKind kind);

} // namespace tavrin
