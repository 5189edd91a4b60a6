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
    std::string questionsAnswered() const { return text(kQuestionsAnswered); }
    std::string correctAnswers() const { return text(kCorrectAnswers); }
    std::string reviewPrompt() const { return text(kReviewPrompt); }
    std::string questionCaption() const { return text(kQuestionCaption); }
    std::string answerCaption() const { return text(kAnswerCaption); }
    std::string informationButton() const { return text(kInformationButton); }
    std::string allQuestionsChoice() const { return text(kAllQuestionsChoice); }
    std::string incorrectOnlyChoice() const { return text(kIncorrectOnlyChoice); }
    std::string totalQuestionsLabel() const { return text(kTotalQuestionsLabel); }
    std::string questionsToTakeLabel() const { return text(kQuestionsToTakeLabel); }
    std::string scoreLabel() const { return text(kScoreLabel); }
    std::string answeredLabel() const { return text(kAnsweredLabel); }
    std::string correctLabel() const { return text(kCorrectLabel); }
    std::string selectQuestionCaption() const { return text(kSelectQuestionCaption); }
    std::string selectAnswerCaption() const { return text(kSelectAnswerCaption); }
    std::string continueButton() const { return text(kContinueButton); }
    std::string quitButton() const { return text(kQuitButton); }
    std::string nextButton() const { return text(kNextButton); }
    std::string quitConfirmation() const { return text(kQuitConfirmation); }
    std::string previewOffer() const { return text(kPreviewOffer); }
    std::string reviewOffer() const { return text(kReviewOffer); }
};

// Writes the default text of every custom text.
void InitCustomTexts(CustomTexts& texts);

} // namespace tavrin
