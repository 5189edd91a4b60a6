#include "ui/present/quiz/TMCTestForm.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "core/settings/QuizSettings.h"
#include "ui/present/quiz/SampleScore.h"
#include "ui/runtime/ChoiceLabel.h"
#include "ui/runtime/RunStyle.h"

namespace tavrin {
namespace {

ChoiceLabel* SampleOption(int tag, const QString& text, std::uint32_t colour, QWidget* box,
                          const QRect& place) {
    auto* option = new ChoiceLabel(tag, QStringLiteral("AnsLbl%1").arg(tag), box);
    option->setGeometry(place);
    option->setText(text);
    option->setTextColour(ColourFromValue(colour));
    return option;
}

} // namespace

TMCTestForm::TMCTestForm(Platform& platform, const QuizSettings& settings, QWidget* parent)
    : QuizScreenFrame(platform, 305, QStringLiteral("TMCTestForm"), kLineScreen, parent),
      questionLabels(PlaceQuestionLines()) {
    PlaceChoiceBox();
    BuildFrame(settings, 1);
    PaintQuestionBox(settings);
    PaintAnswerBox(settings);
    const CustomTexts texts = settings.customTexts();
    QuestionGrpBox->setTitle(BoxCaption(texts.questionCaption()));
    AnswerGrpBox->setTitle(BoxCaption(texts.selectAnswerCaption()));
    questionLabels[0]->setText(tr("This is the Question"));
    AnsLbl1 = SampleOption(1, tr("This is a Normal Answer"), settings.answerTextColour(),
                           AnswerGrpBox, ChoiceOptionPlace(1));
    AnsLbl2 = SampleOption(2, tr("This is a Highlighted Answer"), settings.answerHighlightColour(),
                           AnswerGrpBox, ChoiceOptionPlace(2));
    ShowSampleScore(*this);
    NextBitBtn->move(kChoiceNextLeft, NextBitBtn->y());
    NextBitBtn->show();
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    connect(NextBitBtn, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace tavrin
