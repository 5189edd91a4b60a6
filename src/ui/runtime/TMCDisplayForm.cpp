#include "ui/runtime/TMCDisplayForm.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "ui/runtime/ChoiceLabel.h"
#include "ui/runtime/RunStyle.h"

namespace tavrin {
namespace {

constexpr int kQuestionTops[6] = {25, 40, 56, 72, 88, 104};
constexpr int kOptionTops[6] = {24, 45, 66, 86, 107, 128};
const char* const kOptionNames[6] = {"AnsLbl1", "AnsLbl2", "Anslbl3",
                                     "anslbl4", "anslbl5", "anslbl6"};

} // namespace

TMCDisplayForm::TMCDisplayForm(RunContext& run, QWidget* parent)
    : QuizDisplayBase(run, QStringLiteral("TMCDisplayForm"), {47, 34}, parent) {
    QuestionGrpBox->setGeometry(16, 42, 601, 142);
    for (int line = 1; line <= 6; ++line) {
        auto* label = new QLabel(QuestionGrpBox);
        label->setObjectName(QStringLiteral("QuestLbl%1").arg(line));
        label->setGeometry(16, kQuestionTops[line - 1], 569, 16);
        questionLabels[static_cast<std::size_t>(line - 1)] = label;
    }
    AnswerGrpBox->setGeometry(16, 206, 601, 154);
    for (int tag = 1; tag <= kOptions; ++tag) {
        auto* option =
            new ChoiceLabel(tag, QString::fromLatin1(kOptionNames[tag - 1]), AnswerGrpBox);
        option->setGeometry(16, kOptionTops[tag - 1], 569, 18);
        connect(option, &ChoiceLabel::clicked, this, &TMCDisplayForm::AnsLblClick);
        connect(option, &ChoiceLabel::doubleClicked, this, &TMCDisplayForm::AnsLblDblClick);
        optionLabels[static_cast<std::size_t>(tag - 1)] = option;
    }
    Button1 = MakeButton(QStringLiteral("Button1"), QString(), 259, 110);
    NextBitBtn->move(395, NextBitBtn->y());
    continuebitbtn = MakeButton(QStringLiteral("continuebitbtn"), QString(), 480);
    Button1->hide();
    continuebitbtn->hide();
    connect(Button1, &QPushButton::clicked, this, &TMCDisplayForm::Button1Click);
    connect(continuebitbtn, &QPushButton::clicked, this, &QuizDisplayBase::ContinueClick);

    BuildFrame();
    continuebitbtn->setText(run.text(CustomTexts::kContinueButton));
    Button1->setText(run.text(CustomTexts::kInformationButton));
    const auto& record = run.state.tmRecord;
    for (int line = 1; line <= 6; ++line)
        questionLabels[static_cast<std::size_t>(line - 1)]->setText(
            ShownText(record.questionLine(line)));

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

    QuestionGrpBox->setTitle(BoxCaption(run.texts().questionCaption()));
    AnswerGrpBox->setTitle(BoxCaption(run.texts().selectAnswerCaption()));
    const auto& settings = run.settings;
    PaintBackground(*AnswerGrpBox, settings.answerBoxColour());
    PaintText(*AnswerGrpBox, settings.answerTextColour());
    PaintBackground(*QuestionGrpBox, settings.questionBoxColour());
    PaintText(*QuestionGrpBox, settings.questionTextColour());
    ShowScore(run.state.QuestionNumber - 1);
}

void TMCDisplayForm::ColourOptions() {
    const auto& settings = run_.settings;
    for (int tag = 1; tag <= layout_.optionCount; ++tag)
        optionLabels[static_cast<std::size_t>(tag - 1)]->setTextColour(StoredColour(
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
        if (!answered_)
            Choose(highlighted_);
        return true;
    }
    return false;
}

void TMCDisplayForm::Button1Click() {
    run_.ShowInformation(run_.state.tmRecord.identifier());
}

} // namespace tavrin
