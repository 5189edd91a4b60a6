#include "ui/present/quiz/TTestQForm.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "core/settings/QuizSettings.h"
#include "ui/runtime/ChoiceLabel.h"
#include "ui/runtime/RunStyle.h"

namespace tavrin {
namespace {

// A sample line at the place of the run screen's line `tag`.
ChoiceLabel* SampleLine(int tag, const QString& name, const QString& text, std::uint32_t colour,
                        QWidget* box) {
    auto* line = new ChoiceLabel(tag, name, box);
    line->setGeometry(16, 16 * tag, 569, 16);
    line->setText(text);
    line->setTextColour(ColourFromValue(colour));
    return line;
}

} // namespace

TTestQForm::TTestQForm(Platform& platform, const QuizSettings& settings, QWidget* parent)
    : QuizScreenFrame(platform, 303, QStringLiteral("TTestQForm"), kMatchScreen, parent) {
    PlaceMatchBoxes();
    BuildFrame(settings, 0);
    PaintQuestionBox(settings);
    PaintAnswerBox(settings);
    const CustomTexts texts = settings.customTexts();
    QuestionGrpBox->setTitle(BoxCaption(texts.selectQuestionCaption()));
    AnswerGrpBox->setTitle(BoxCaption(texts.selectAnswerCaption()));

    QuestLbl1 = SampleLine(1, QStringLiteral("QuestLbl1"), tr("This is a Normal Question"),
                           settings.questionTextColour(), QuestionGrpBox);
    QHiLbl = SampleLine(2, QStringLiteral("QHiLbl"), tr("This is a Highlighted Question"),
                        settings.questionHighlightColour(), QuestionGrpBox);
    QuestLbl3 = SampleLine(3, QStringLiteral("QuestLbl3"), tr("This is a Selected Question"),
                           settings.questionSelectedColour(), QuestionGrpBox);
    QuestLbl4 = SampleLine(4, QStringLiteral("QuestLbl4"), tr("This is an Answered Question"),
                           settings.questionTextColour(), QuestionGrpBox);
    QuestLbl4->setEnabled(false);
    AnsLbl1 = SampleLine(1, QStringLiteral("AnsLbl1"), tr("This is a Normal Answer"),
                         settings.answerTextColour(), AnswerGrpBox);
    HiAnsLbl = SampleLine(2, QStringLiteral("HiAnsLbl"), tr("This is a Highlighted Answer"),
                          settings.answerHighlightColour(), AnswerGrpBox);

    Gauge1->setMaximum(100);
    Gauge1->setValue(25);
    QDoneLbl->setText(QStringLiteral("0"));
    QrightLbl->setText(QStringLiteral("0"));
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace tavrin
