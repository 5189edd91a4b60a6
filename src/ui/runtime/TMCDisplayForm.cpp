#include "ui/runtime/TMCDisplayForm.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "ui/runtime/ChoiceLabel.h"
#include "ui/runtime/RunStyle.h"

namespace tavrin {
namespace {

const char* const kOptionNames[6] = {"AnsLbl1", "AnsLbl2", "Anslbl3",
                                     "anslbl4", "anslbl5", "anslbl6"};

} // namespace

TMCDisplayForm::TMCDisplayForm(RunContext& run, QWidget* parent)
    : LineQuestionDisplay(run, QStringLiteral("TMCDisplayForm"), parent) {
    PlaceChoiceBox();
    for (int tag = 1; tag <= kOptions; ++tag) {
        auto* option =
            new ChoiceLabel(tag, QString::fromLatin1(kOptionNames[tag - 1]), AnswerGrpBox);
        option->setGeometry(ChoiceOptionPlace(tag));
        connect(option, &ChoiceLabel::clicked, this, &TMCDisplayForm::AnsLblClick);
        connect(option, &ChoiceLabel::doubleClicked, this, &TMCDisplayForm::AnsLblDblClick);
        optionLabels[static_cast<std::size_t>(tag - 1)] = option;
    }
    BuildButtons(259, kChoiceNextLeft, 480);

    BuildFrame();
    ShowQuestionLines();
    const auto& record = run.state.tmRecord;

    std::array<std::string, 5> wrong;
    for (int k = 1; k <= TTMRecord::kWrongAnswers; ++k)
        wrong[static_cast<std::size_t>(k - 1)] = record.wrongAnswer(k);
    layout_ = LayOutChoices(record.correctAnswer(), wrong, run.random);
    for (int tag = 1; tag <= kOptions; ++tag) {
        auto* option = optionLabels[static_cast<std::size_t>(tag - 1)];
        option->setVisible(tag <= layout_.optionCount);
        if (tag <= layout_.optionCount)
            option->setText(ShownText(layout_.labels[static_cast<std::size_t>(tag - 1)]));
    }
    ColourOptions();

    AnswerGrpBox->setTitle(BoxCaption(run.texts().selectAnswerCaption()));
    PaintAnswerBox(run.settings);
    ShowScore(run.state.QuestionNumber - 1);
}

void TMCDisplayForm::ColourOptions() {
    const auto& settings = run_.settings;
    for (int tag = 1; tag <= layout_.optionCount; ++tag)
        optionLabels[static_cast<std::size_t>(tag - 1)]->setTextColour(ColourFromValue(
            tag == highlighted_ ? settings.answerHighlightColour() : settings.answerTextColour()));
}

void TMCDisplayForm::AnsLblClick(int tag) {
    if (answered_)
        return;
    highlighted_ = tag;
    ColourOptions();
}

void TMCDisplayForm::AnsLblDblClick(int tag) {
    if (answered_)
        return;
    Choose(tag);
}

void TMCDisplayForm::Choose(int tag) {
    auto& state = run_.state;
    answered_ = true;
    selected_ = tag;
    if (tag == layout_.correctTag) {
        ++state.QuestionsCorrect;
        state.tmRecord.setDeleted(true);
    }
    ShowScore(state.QuestionNumber);
    ShowEndButtons(continuebitbtn, state.QuestionNumber == state.QuestionsToTake);
    Button1->setVisible(state.tmRecord.hasInformation());
    AnswerGrpBox->setEnabled(false);
}

bool TMCDisplayForm::PreviewKey(int key) {
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
        highlighted_ =
            StepHighlight(highlighted_, layout_.optionCount, key == Qt::Key_Up ? -1 : 1, {});
        ColourOptions();
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (answered_)
            return false; // the default button, Next or Continue, takes it
        Choose(highlighted_);
        return true;
    }
    return false;
}

} // namespace tavrin
