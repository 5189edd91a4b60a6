#pragma once

#include <array>
#include <vector>

#include "ui/runtime/QuizDisplayBase.h"

namespace tavrin {

class ChoiceLabel;

// One page of a match quiz: up to ten questions and their answers in a
// shuffled order. The learner picks a question, then an answer for it; each
// question gets one attempt. Answers stay available for every question.
class TDispQForm : public QuizDisplayBase {
    Q_OBJECT

public:
    static constexpr int kSlots = 10;

    TDispQForm(RunContext& run, QWidget* parent = nullptr);

    std::array<ChoiceLabel*, kSlots> questionLabels; // QuestLbl1..8, Questlbl9, Questlbl10
    std::array<ChoiceLabel*, kSlots> answerLabels;   // AnsLbl1..8, Anslbl9, Label4
    QPushButton* BitBtn2;                            // Continue

    void QuestLblClick(int tag);
    void QuestLblDblClick(int tag);
    void AnsLblClick(int tag);
    void AnsLblDblClick(int tag);

    // The answer label with tag t shows the answer of slot permutation[t-1].
    const std::vector<int>& answerPermutation() const { return permutation_; }
    int highlightedQuestion() const { return highlightedQuestion_; }
    int highlightedAnswer() const { return highlightedAnswer_; }
    bool answering() const { return answering_; }
    bool pageDone() const { return pageDone_; }

protected:
    bool PreviewKey(int key) override;

private:
    void FillPage();
    void ChooseQuestion(int tag);
    void ChooseAnswer(int tag);
    void ColourQuestions();
    void ColourAnswers();
    void SetCaptions(bool awaitingAnswer);
    std::vector<bool> EnabledQuestions() const;

    int pageSize_ = 0;
    int matched_ = 0;
    int selectedQuestion_ = 0;
    int selectedAnswer_ = 0;
    int highlightedQuestion_ = 0;
    int highlightedAnswer_ = 0;
    bool answering_ = false;
    bool pageDone_ = false;
    std::vector<int> permutation_;
};

} // namespace tavrin
