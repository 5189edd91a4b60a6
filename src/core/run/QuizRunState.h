#pragma once

#include <string>
#include <vector>

#include "core/questions/QuizKind.h"
#include "core/questions/TQARecord.h"
#include "core/questions/TTMRecord.h"
#include "core/run/QuizRunRules.h"
#include "core/run/RecList.h"
#include "core/run/ResultsText.h"

namespace tavrin {

// Everything one quiz run keeps between its screens. It lives exactly as long
// as the run. On the copies in RunList the first byte (a stored question's
// deleted flag, always 0) marks a question answered correctly.
struct QuizRunState {
    explicit QuizRunState(QuizKind quizKind) : kind(quizKind) {}

    QuizKind kind;
    std::string quizFile; // results and swap file names derive from it

    TRecList AllQuestions;
    int TotalQuestions = 0;
    int QuestionsToTake = 0;
    std::vector<int> QuestionOrder; // 1-based record numbers, asking order
    TRecList RunList;

    int QuestionNumber = 0;
    int QuestionsCorrect = 0;
    int PercentCorrect = 0;
    int ScoreGroup = 0;
    bool QuitRequested = false;

    PagePlan Pages;      // match quizzes only
    int CurrentPage = 0; // 1-based
    bool LastPage = false;

    // The record in hand, shared by the displays, lists and viewers.
    TQARecord qaRecord;
    TTMRecord tmRecord;

    int recordSize() const;
    void ResetCounters();
    // Counts a correct answer once and sets the mark of RunList entry `index`.
    void ScoreCorrect(int index);
    bool AnsweredCorrectly(int index) const;
    void UpdatePercent();

    // Reads RunList entry `index` into the record in hand of the run's kind,
    // and writes it back.
    void TakeRecord(int index);
    void PutRecordBack(int index);

    // Identifier and mark of every asked question, in asking order.
    std::vector<AskedQuestion> AskedQuestions() const;
    // The question texts (match quizzes) of every asked question.
    std::vector<std::string> QuestionTexts() const;
    // The preview menu entries (type-in and choice quizzes) of every asked question.
    std::vector<std::string> PreviewEntries() const;

    // A run of one stored question (the managers' "view" command).
    void PrepareRunOfOne();
};

} // namespace tavrin
