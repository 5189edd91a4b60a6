#include "core/questions/QuizKind.h"

namespace tavrin {

std::optional<QuizKind> QuizKindFromNumber(int number) {
    if (number >= 1 && number <= 3)
        return static_cast<QuizKind>(number);
    return std::nullopt;
}

const QuizExtensions& ExtensionsOf(QuizKind kind) {
    static const QuizExtensions qa{".QAJ", ".QAQ", ".QAR", ".QAC", ".QAD", ".QAS"};
    static const QuizExtensions ti{".TIJ", ".TIQ", ".TIR", ".TIC", ".TID", ".TIS"};
    static const QuizExtensions mc{".MCJ", ".MCQ", ".MCR", ".MCC", ".MCD", ".MCS"};
    switch (kind) {
    case QuizKind::QA:
        return qa;
    case QuizKind::TI:
        return ti;
    case QuizKind::MC:
        return mc;
    }
    return qa;
}

std::size_t QuestionRecordSize(QuizKind kind) {
    return kind == QuizKind::QA ? 217 : 1367;
}

const char* KindTitle(QuizKind kind) {
    switch (kind) {
    case QuizKind::QA:
        return "Match Question and Answer";
    case QuizKind::TI:
        return "Type an Answer";
    case QuizKind::MC:
        return "Multiple Choice";
    }
    return "";
}

} // namespace tavrin
