#include "ui/runtime/LineQuestionDisplay.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "ui/runtime/RunStyle.h"

namespace tavrin {

LineQuestionDisplay::LineQuestionDisplay(RunContext& run, const QString& name, QWidget* parent)
    : QuizDisplayBase(run, name, kLineScreen, parent), questionLabels(PlaceQuestionLines()) {}

void LineQuestionDisplay::BuildButtons(int informationLeft, int nextLeft, int continueLeft) {
    Button1 = MakeButton(QStringLiteral("Button1"), QString(), informationLeft, 110);
    NextBitBtn->move(nextLeft, NextBitBtn->y());
    continuebitbtn = MakeButton(QStringLiteral("continuebitbtn"), QString(), continueLeft);
    Button1->hide();
    continuebitbtn->hide();
    connect(Button1, &QPushButton::clicked, this, &LineQuestionDisplay::Button1Click);
    connect(continuebitbtn, &QPushButton::clicked, this, &QuizDisplayBase::ContinueClick);
}

void LineQuestionDisplay::ShowQuestionLines() {
    continuebitbtn->setText(run_.text(CustomTexts::kContinueButton));
    Button1->setText(run_.text(CustomTexts::kInformationButton));
    const auto& record = run_.state.tmRecord;
    for (int line = 1; line <= 6; ++line)
        questionLabels[static_cast<std::size_t>(line - 1)]->setText(
            ShownText(record.questionLine(line)));
    QuestionGrpBox->setTitle(BoxCaption(run_.texts().questionCaption()));
    PaintQuestionBox(run_.settings);
}

void LineQuestionDisplay::Button1Click() {
    run_.ShowInformation(run_.state.tmRecord.identifier());
}

} // namespace tavrin
