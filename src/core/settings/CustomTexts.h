#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/bytes/FixedRecord.h"

namespace tavrin {

// The texts the quiz screens show, each replaceable by the author. It lies at
// byte 4360 of the quiz settings. Each text can be reached by name or, for a
// dialog that edits them in turn, through its CustomText number.
class CustomTexts : public FixedRecord<598> {
public:
    static constexpr std::size_t kStart = 4360;

    enum CustomText : int {
        kResultsHeading,
        kQuestionsAnswered,
        kCorrectAnswers,
        kReviewPrompt,
        kQuestionCaption,
        kAnswerCaption,
        kInformationButton,
        kAllQuestionsChoice,
        kIncorrectOnlyChoice,
        kTotalQuestionsLabel,
        kQuestionsToTakeLabel,
        kScoreLabel,
        kAnsweredLabel,
        kCorrectLabel,
        kSelectQuestionCaption,
        kSelectAnswerCaption,
        kContinueButton,
        kQuitButton,
        kNextButton,
        kQuitConfirmation,
        kPreviewOffer,
        kReviewOffer,
        kCount
    };

    // Where a text lies (within the settings), how long it may be, its default.
    struct Slot {
        std::size_t offset;
        std::size_t capacity;
        const char* defaultText;
    };
    static const Slot& slot(CustomText which);

    std::string text(CustomText which) const;
    void setText(CustomText which, std::string_view v);

    std::string resultsHeading() const { return text(kResultsHeading); }
    void setResultsHeading(std::string_view v) { setText(kResultsHeading, v); }
    std::string questionsAnswered() const { return text(kQuestionsAnswered); }
    void setQuestionsAnswered(std::string_view v) { setText(kQuestionsAnswered, v); }
    std::string correctAnswers() const { return text(kCorrectAnswers); }
    void setCorrectAnswers(std::string_view v) { setText(kCorrectAnswers, v); }
    std::string reviewPrompt() const { return text(kReviewPrompt); }
    void setReviewPrompt(std::string_view v) { setText(kReviewPrompt, v); }
    std::string questionCaption() const { return text(kQuestionCaption); }
    void setQuestionCaption(std::string_view v) { setText(kQuestionCaption, v); }
    std::string answerCaption() const { return text(kAnswerCaption); }
    void setAnswerCaption(std::string_view v) { setText(kAnswerCaption, v); }
    std::string informationButton() const { return text(kInformationButton); }
    void setInformationButton(std::string_view v) { setText(kInformationButton, v); }
    std::string allQuestionsChoice() const { return text(kAllQuestionsChoice); }
    void setAllQuestionsChoice(std::string_view v) { setText(kAllQuestionsChoice, v); }
    std::string incorrectOnlyChoice() const { return text(kIncorrectOnlyChoice); }
    void setIncorrectOnlyChoice(std::string_view v) { setText(kIncorrectOnlyChoice, v); }
    std::string totalQuestionsLabel() const { return text(kTotalQuestionsLabel); }
    void setTotalQuestionsLabel(std::string_view v) { setText(kTotalQuestionsLabel, v); }
    std::string questionsToTakeLabel() const { return text(kQuestionsToTakeLabel); }
    void setQuestionsToTakeLabel(std::string_view v) { setText(kQuestionsToTakeLabel, v); }
    std::string scoreLabel() const { return text(kScoreLabel); }
    void setScoreLabel(std::string_view v) { setText(kScoreLabel, v); }
    std::string answeredLabel() const { return text(kAnsweredLabel); }
    void setAnsweredLabel(std::string_view v) { setText(kAnsweredLabel, v); }
    std::string correctLabel() const { return text(kCorrectLabel); }
    void setCorrectLabel(std::string_view v) { setText(kCorrectLabel, v); }
    std::string selectQuestionCaption() const { return text(kSelectQuestionCaption); }
    void setSelectQuestionCaption(std::string_view v) { setText(kSelectQuestionCaption, v); }
    std::string selectAnswerCaption() const { return text(kSelectAnswerCaption); }
    void setSelectAnswerCaption(std::string_view v) { setText(kSelectAnswerCaption, v); }
    std::string continueButton() const { return text(kContinueButton); }
    void setContinueButton(std::string_view v) { setText(kContinueButton, v); }
    std::string quitButton() const { return text(kQuitButton); }
    void setQuitButton(std::string_view v) { setText(kQuitButton, v); }
    std::string nextButton() const { return text(kNextButton); }
    void setNextButton(std::string_view v) { setText(kNextButton, v); }
    std::string quitConfirmation() const { return text(kQuitConfirmation); }
    void setQuitConfirmation(std::string_view v) { setText(kQuitConfirmation, v); }
    std::string previewOffer() const { return text(kPreviewOffer); }
    void setPreviewOffer(std::string_view v) { setText(kPreviewOffer, v); }
    std::string reviewOffer() const { return text(kReviewOffer); }
    void setReviewOffer(std::string_view v) { setText(kReviewOffer, v); }
};

// Writes the default text of every custom text.
void InitCustomTexts(CustomTexts& texts);

} // namespace tavrin
