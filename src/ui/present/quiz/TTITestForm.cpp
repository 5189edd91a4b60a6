#include "ui/present/quiz/TTITestForm.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "core/settings/QuizSettings.h"
#include "ui/present/quiz/SampleScore.h"
#include "ui/runtime/RunStyle.h"

namespace tavrin {

TTITestForm::TTITestForm(Platform& platform, const QuizSettings& settings, QWidget* parent)
    : QuizScreenFrame(platform, 304, QStringLiteral("TTITestForm"), kLineScreen, parent),
      questionLabels(PlaceQuestionLines()) {
    const TypingBox typing = PlaceTypingBoxes();
    GroupBox1 = typing.group;
    Edit1 = typing.edit;
    BitBtn2 = typing.ok;
    AnsLbl1 = typing.answer;
    BuildFrame(settings, 1);
    PaintQuestionBox(settings);
    PaintAnswerBox(settings);
    PaintTypingBox(*GroupBox1, settings);
    const CustomTexts texts = settings.customTexts();
    QuestionGrpBox->setTitle(BoxCaption(texts.questionCaption()));
    // The learner's screen shows this box uncaptioned; the sample names it.
    AnswerGrpBox->setTitle(BoxCaption(texts.correctLabel()));
    GroupBox1->setTitle(BoxCaption(texts.answerCaption()));
    questionLabels[0]->setText(tr("This is the Question"));
    AnsLbl1->setText(tr("This is the Correct Answer"));
    ShowSampleScore(*this);
    NextBitBtn->move(kTypingNextLeft, NextBitBtn->y());
    NextBitBtn->show();
    for (QPushButton* button : {BitBtn1, NextBitBtn, BitBtn2})
        connect(button, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace tavrin
