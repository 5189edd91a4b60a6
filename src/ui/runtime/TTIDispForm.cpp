#include "ui/runtime/TTIDispForm.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/QuizRunRules.h"
#include "ui/runtime/RunStyle.h"

namespace tavrin {
namespace {

constexpr int kQuestionTops[6] = {25, 40, 56, 72, 88, 104};

} // namespace

TTIDispForm::TTIDispForm(RunContext& run, QWidget* parent)
    : QuizDisplayBase(run, QStringLiteral("TTIDispForm"), {47, 34}, parent) {
    QuestionGrpBox->setGeometry(16, 42, 601, 142);
    for (int line = 1; line <= 6; ++line) {
        auto* label = new QLabel(QuestionGrpBox);
        label->setObjectName(QStringLiteral("QuestLbl%1").arg(line));
        label->setGeometry(16, kQuestionTops[line - 1], 569, 16);
        questionLabels[static_cast<std::size_t>(line - 1)] = label;
    }
    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(16, 200, 601, 89);
    Edit1 = new QLineEdit(GroupBox1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(16, 28, 569, 22);
    BitBtn2 = new QPushButton(tr("&OK"), GroupBox1);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(263, 56, 75, 25);
    AnswerGrpBox->setGeometry(16, 302, 601, 59);
    AnsLbl1 = new QLabel(AnswerGrpBox);
    AnsLbl1->setObjectName(QStringLiteral("AnsLbl1"));
    AnsLbl1->setGeometry(16, 24, 569, 16);
    AnswerGrpBox->hide();

    Button1 = MakeButton(QStringLiteral("Button1"), QString(), 256, 110);
    NextBitBtn->move(392, NextBitBtn->y());
    continuebitbtn = MakeButton(QStringLiteral("continuebitbtn"), QString(), 512);
    Button1->hide();
    continuebitbtn->hide();
    BitBtn2->setDefault(true);
    connect(BitBtn2, &QPushButton::clicked, this, &TTIDispForm::BitBtn2Click);
    connect(Button1, &QPushButton::clicked, this, &TTIDispForm::Button1Click);
    connect(continuebitbtn, &QPushButton::clicked, this, &QuizDisplayBase::ContinueClick);

    BuildFrame();
    continuebitbtn->setText(run.text(CustomTexts::kContinueButton));
    Button1->setText(run.text(CustomTexts::kInformationButton));
    const auto& record = run.state.tmRecord;
    for (int line = 1; line <= 6; ++line)
        questionLabels[static_cast<std::size_t>(line - 1)]->setText(
            ShownText(record.questionLine(line)));
    AnsLbl1->setText(ShownText(record.correctAnswer()));
    QuestionGrpBox->setTitle(BoxCaption(run.texts().questionCaption()));
    GroupBox1->setTitle(BoxCaption(run.texts().answerCaption()));
    const auto& settings = run.settings;
    PaintBackground(*AnswerGrpBox, settings.answerBoxColour());
    PaintText(*AnswerGrpBox, settings.answerTextColour());
    PaintBackground(*GroupBox1, settings.inputBoxColour());
    PaintText(*GroupBox1, settings.inputTextColour());
    PaintBackground(*QuestionGrpBox, settings.questionBoxColour());
    PaintText(*QuestionGrpBox, settings.questionTextColour());
    ShowScore(run.state.QuestionNumber - 1);
    Edit1->setFocus();
}

void TTIDispForm::BitBtn2Click() {
    if (!BitBtn2->isEnabled())
        return;
    auto& state = run_.state;
    AnswerGrpBox->show();
    BitBtn2->setEnabled(false);
    BitBtn2->setDefault(false);
    ShowEndButtons(continuebitbtn, state.QuestionNumber == state.QuestionsToTake);
    // Enter now moves on.
    (continuebitbtn->isVisible() ? continuebitbtn : NextBitBtn)->setDefault(true);
    Button1->setVisible(state.tmRecord.hasInformation());
    std::vector<std::string> matches;
    for (int k = 1; k <= TTMRecord::kMatches; ++k)
        matches.push_back(state.tmRecord.match(k));
    if (TypedAnswerAccepted(StoredText(Edit1->text()), matches)) {
        state.tmRecord.setDeleted(true);
        ++state.QuestionsCorrect;
    }
    ShowScore(state.QuestionNumber);
}

void TTIDispForm::Button1Click() {
    run_.ShowInformation(run_.state.tmRecord.identifier());
}

} // namespace tavrin
