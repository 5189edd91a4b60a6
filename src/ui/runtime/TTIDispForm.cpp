#include "ui/runtime/TTIDispForm.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/run/QuizRunRules.h"
#include "ui/runtime/RunStyle.h"

namespace tavrin {

TTIDispForm::TTIDispForm(RunContext& run, QWidget* parent)
    : LineQuestionDisplay(run, QStringLiteral("TTIDispForm"), parent) {
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

    BuildButtons(256, 392, 512);
    BitBtn2->setDefault(true);
    connect(BitBtn2, &QPushButton::clicked, this, &TTIDispForm::BitBtn2Click);

    BuildFrame();
    ShowQuestionLines();
    AnsLbl1->setText(ShownText(run.state.tmRecord.correctAnswer()));
    GroupBox1->setTitle(BoxCaption(run.texts().answerCaption()));
    const auto& settings = run.settings;
    PaintBackground(*AnswerGrpBox, settings.answerBoxColour());
    PaintText(*AnswerGrpBox, settings.answerTextColour());
    PaintBackground(*GroupBox1, settings.inputBoxColour());
    PaintText(*GroupBox1, settings.inputTextColour());
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

} // namespace tavrin
