#include "ui/runtime/TResultsForm.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

#include "core/run/ResultsText.h"
#include "ui/runtime/RunStyle.h"

namespace tavrin {

TResultsForm::TResultsForm(RunContext& run, QWidget* parent)
    : PlatformDialog(run.platform, run.helpContext(), parent), Label1(new QLabel(this)),
      Label2(new QLabel(this)), Label3(new QLabel(this)), Label4(new QLabel(this)),
      Gauge1(new QProgressBar(this)), OKBtn(new QPushButton(tr("OK"), this)) {
    setObjectName(QStringLiteral("TResultsForm"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3->setObjectName(QStringLiteral("Label3"));
    Label4->setObjectName(QStringLiteral("Label4"));
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    for (QLabel* label : {Label1, Label2, Label3, Label4})
        label->setTextFormat(Qt::PlainText);
    setFixedSize(330, 200);
    Label1->setGeometry(24, 40, 170, 20);
    Label2->setGeometry(200, 40, 60, 20);
    Label3->setGeometry(24, 80, 170, 20);
    Label4->setGeometry(200, 80, 60, 20);
    Gauge1->setGeometry(280, 16, 30, 170);
    Gauge1->setOrientation(Qt::Vertical);
    Gauge1->setTextVisible(false);
    OKBtn->setGeometry(100, 150, 90, 28);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

    const auto& state = run.state;
    const auto& settings = run.settings;
    setWindowTitle(run.text(CustomTexts::kResultsHeading));
    Label1->setText(run.text(CustomTexts::kQuestionsAnswered));
    Label2->setText(QString::number(state.QuestionsToTake));
    Label3->setText(run.text(CustomTexts::kCorrectAnswers));
    Label4->setText(QString::number(state.QuestionsCorrect));
    QPalette palette = Gauge1->palette();
    palette.setColor(QPalette::Highlight,
                     ColourFromValue(ResultPassed(state.PercentCorrect, settings.passPercentage())
                                         ? settings.passGraphColour()
                                         : settings.failGraphColour()));
    Gauge1->setPalette(palette);
    Gauge1->setMaximum(std::max(state.QuestionsToTake, 1));
    Gauge1->setValue(state.QuestionsCorrect);
}

QColor TResultsForm::barColour() const {
    return Gauge1->palette().color(QPalette::Highlight);
}

} // namespace tavrin
