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
    const TypingBox typing = PlaceTypingBoxes();
    GroupBox1 = typing.group;
    Edit1 = typing.edit;
    BitBtn2 = typing.ok;
    AnsLbl1 = typing.answer;
    AnswerGrpBox->hide();

    BuildButtons(256, kTypingNextLeft, 512);
    BitBtn2->setDefault(true);
    connect(BitBtn2, &QPushButton::clicked, this, &TTIDispForm::BitBtn2Click);

    BuildFrame();
    ShowQuestionLines();
    AnsLbl1->setText(ShownText(run.state.tmRecord.correctAnswer()));
    GroupBox1->setTitle(BoxCaption(run.texts().answerCaption()));
    PaintAnswerBox(run.settings);
    PaintTypingBox(*GroupBox1, run.settings);
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
