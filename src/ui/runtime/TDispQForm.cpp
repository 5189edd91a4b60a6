#include "ui/runtime/TDispQForm.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>

#include "core/run/QuizRunRules.h"
#include "ui/runtime/ChoiceLabel.h"
#include "ui/runtime/RunStyle.h"

namespace tavrin {
namespace {

QString QuestionLabelName(int tag) {
    return tag <= 8 ? QStringLiteral("QuestLbl%1").arg(tag) : QStringLiteral("Questlbl%1").arg(tag);
}

QString AnswerLabelName(int tag) {
    if (tag <= 8)
        return QStringLiteral("AnsLbl%1").arg(tag);
    return tag == 9 ? QStringLiteral("Anslbl9") : QStringLiteral("Label4");
}

} // namespace

TDispQForm::TDispQForm(RunContext& run, QWidget* parent)
    : QuizDisplayBase(run, QStringLiteral("TDispQForm"), kMatchScreen, parent) {
    PlaceMatchBoxes();
    for (int tag = 1; tag <= kSlots; ++tag) {
        auto* question = new ChoiceLabel(tag, QuestionLabelName(tag), QuestionGrpBox);
        question->setGeometry(16, 16 * tag, 569, 16);
        connect(question, &ChoiceLabel::clicked, this, &TDispQForm::QuestLblClick);
        connect(question, &ChoiceLabel::doubleClicked, this, &TDispQForm::QuestLblDblClick);
        questionLabels[static_cast<std::size_t>(tag - 1)] = question;
        auto* answer = new ChoiceLabel(tag, AnswerLabelName(tag), AnswerGrpBox);
        answer->setGeometry(16, 16 * tag, 569, 16);
        connect(answer, &ChoiceLabel::clicked, this, &TDispQForm::AnsLblClick);
        connect(answer, &ChoiceLabel::doubleClicked, this, &TDispQForm::AnsLblDblClick);
        answerLabels[static_cast<std::size_t>(tag - 1)] = answer;
    }
    BitBtn2 = MakeButton(QStringLiteral("BitBtn2"), QString(), 512);
    BitBtn2->hide();
    connect(BitBtn2, &QPushButton::clicked, this, &QuizDisplayBase::ContinueClick);

    BuildFrame();
    BitBtn2->setText(run.text(CustomTexts::kContinueButton));
    PaintQuestionBox(run.settings);
    PaintAnswerBox(run.settings);
    FillPage();
    ShowScore(run.state.QuestionNumber);
}

void TDispQForm::FillPage() {
    const auto& state = run_.state;
    const auto& pageSlots =
        state.Pages.pageSlots.at(static_cast<std::size_t>(state.CurrentPage - 1));
    pageSize_ = static_cast<int>(pageSlots.size());
    matched_ = 0;
    pageDone_ = false;
    permutation_ = RandomPermutation(pageSize_, run_.random);

    std::vector<TQARecord> page;
    for (int index : pageSlots) {
        TQARecord record;
        record.assignBytes(state.RunList.At(index));
        page.push_back(record);
    }
    for (int tag = 1; tag <= kSlots; ++tag) {
        auto* question = questionLabels[static_cast<std::size_t>(tag - 1)];
        auto* answer = answerLabels[static_cast<std::size_t>(tag - 1)];
        const bool used = tag <= pageSize_;
        question->setEnabled(used);
        question->setVisible(used);
        answer->setEnabled(used);
        answer->setVisible(used);
        if (!used)
            continue;
        question->setText(ShownText(page[static_cast<std::size_t>(tag - 1)].question()));
        const int slot = permutation_[static_cast<std::size_t>(tag - 1)];
        answer->setText(ShownText(page[static_cast<std::size_t>(slot - 1)].answer()));
    }
    highlightedQuestion_ = 1;
    highlightedAnswer_ = 0;
    answering_ = false;
    selectedQuestion_ = 0;
    selectedAnswer_ = 0;
    SetCaptions(false);
    ColourQuestions();
    ColourAnswers();
}

void TDispQForm::SetCaptions(bool awaitingAnswer) {
    QuestionGrpBox->setTitle(
        awaitingAnswer || pageDone_ ? QString() : BoxCaption(run_.texts().selectQuestionCaption()));
    AnswerGrpBox->setTitle(awaitingAnswer ? BoxCaption(run_.texts().selectAnswerCaption())
                                          : QString());
}

void TDispQForm::ColourQuestions() {
    const auto& settings = run_.settings;
    for (int tag = 1; tag <= pageSize_; ++tag) {
        std::uint32_t colour = settings.questionTextColour();
        if (answering_ && tag == selectedQuestion_)
            colour = settings.questionSelectedColour();
        else if (tag == highlightedQuestion_)
            colour = settings.questionHighlightColour();
        questionLabels[static_cast<std::size_t>(tag - 1)]->setTextColour(ColourFromValue(colour));
    }
}

void TDispQForm::ColourAnswers() {
    const auto& settings = run_.settings;
    for (int tag = 1; tag <= pageSize_; ++tag) {
        const bool lit = answering_ && tag == highlightedAnswer_;
        answerLabels[static_cast<std::size_t>(tag - 1)]->setTextColour(
            ColourFromValue(lit ? settings.answerHighlightColour() : settings.answerTextColour()));
    }
}

std::vector<bool> TDispQForm::EnabledQuestions() const {
    std::vector<bool> enabled;
    for (int tag = 1; tag <= pageSize_; ++tag)
        enabled.push_back(questionLabels[static_cast<std::size_t>(tag - 1)]->isEnabled());
    return enabled;
}

void TDispQForm::QuestLblClick(int tag) {
    if (answering_ || pageDone_)
        return;
    highlightedQuestion_ = tag;
    ColourQuestions();
}

void TDispQForm::QuestLblDblClick(int tag) {
    if (answering_ || pageDone_)
        return;
    ChooseQuestion(tag);
}

void TDispQForm::AnsLblClick(int tag) {
    if (!answering_)
        return;
    highlightedAnswer_ = tag;
    ColourAnswers();
}

void TDispQForm::AnsLblDblClick(int tag) {
    if (!answering_)
        return;
    ChooseAnswer(tag);
}

void TDispQForm::ChooseQuestion(int tag) {
    if (tag < 1 || tag > pageSize_ ||
        !questionLabels[static_cast<std::size_t>(tag - 1)]->isEnabled())
        return;
    selectedQuestion_ = tag;
    highlightedQuestion_ = tag;
    answering_ = true;
    SetCaptions(true);
    highlightedAnswer_ = 1;
    ColourQuestions();
    ColourAnswers();
}

void TDispQForm::ChooseAnswer(int tag) {
    auto& state = run_.state;
    selectedAnswer_ = tag;
    answering_ = false;
    ColourAnswers();
    questionLabels[static_cast<std::size_t>(selectedQuestion_ - 1)]->setEnabled(false);
    QuestionGrpBox->setFocus();
    ++state.QuestionNumber;
    ++matched_;
    if (MatchIsCorrect(permutation_, selectedAnswer_, selectedQuestion_)) {
        const auto& pageSlots =
            state.Pages.pageSlots.at(static_cast<std::size_t>(state.CurrentPage - 1));
        state.ScoreCorrect(pageSlots[static_cast<std::size_t>(selectedQuestion_ - 1)]);
    }
    ShowScore(state.QuestionNumber);
    if (matched_ < pageSize_) {
        const auto enabled = EnabledQuestions();
        for (int candidate = 1; candidate <= pageSize_; ++candidate)
            if (enabled[static_cast<std::size_t>(candidate - 1)]) {
                highlightedQuestion_ = candidate;
                break;
            }
    } else {
        pageDone_ = true;
        highlightedQuestion_ = 0;
        ShowEndButtons(BitBtn2, state.LastPage);
    }
    SetCaptions(false);
    ColourQuestions();
}

bool TDispQForm::PreviewKey(int key) {
    const int direction = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
    if (direction != 0) {
        if (pageDone_)
            return true;
        if (answering_) {
            highlightedAnswer_ = StepHighlight(highlightedAnswer_, pageSize_, direction, {});
            ColourAnswers();
        } else {
            highlightedQuestion_ =
                StepHighlight(highlightedQuestion_, pageSize_, direction, EnabledQuestions());
            ColourQuestions();
        }
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (pageDone_)
            return true;
        if (answering_)
            ChooseAnswer(highlightedAnswer_);
        else
            ChooseQuestion(highlightedQuestion_);
        return true;
    }
    return false;
}

} // namespace tavrin
