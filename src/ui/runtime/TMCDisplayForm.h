#pragma once

#include <array>

#include "core/run/QuizRunRules.h"
#include "ui/runtime/LineQuestionDisplay.h"

namespace tavrin {

class ChoiceLabel;

// One question of a multiple-choice quiz: the correct answer among the wrong
// ones, in a fresh random order each time it is shown. The first choice is
// final.
class TMCDisplayForm : public LineQuestionDisplay {
    Q_OBJECT

public:
    static constexpr int kOptions = 6;

    TMCDisplayForm(RunContext& run, QWidget* parent = nullptr);

    std::array<ChoiceLabel*, kOptions> optionLabels; // AnsLbl1, AnsLbl2, Anslbl3, anslbl4..6

    void AnsLblClick(int tag);
    void AnsLblDblClick(int tag);

    int optionCount() const { return layout_.optionCount; }
    int correctTag() const { return layout_.correctTag; }
    int highlightedTag() const { return highlighted_; }
    bool answered() const { return answered_; }

protected:
    bool PreviewKey(int key) override;

private:
    void ColourOptions();
    void Choose(int tag);

    ChoiceLayout layout_;
    int highlighted_ = 1;
    int selected_ = 0;
    bool answered_ = false;
};

} // namespace tavrin
