#include "ui/runtime/TQTotakeForm.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "core/run/QuizRunRules.h"

namespace tavrin {

TQTotakeForm::TQTotakeForm(Platform& platform, int helpContext, const QString& totalText,
                           const QString& toTakeText, int total, int offered, QWidget* parent)
    : PlatformDialog(platform, helpContext, parent), Label1(new QLabel(totalText, this)),
      Label2(new QLabel(QString::number(total), this)), Label3(new QLabel(toTakeText, this)),
      SpinEdit1(new QSpinBox(this)), OKBtn(new QPushButton(tr("OK"), this)),
      CancelBtn(new QPushButton(tr("Cancel"), this)), offered_(offered) {
    setObjectName(QStringLiteral("TQTotakeForm"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3->setObjectName(QStringLiteral("Label3"));
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    for (QLabel* label : {Label1, Label2, Label3})
        label->setTextFormat(Qt::PlainText);
    setWindowTitle(QString());
    QFont bold = font();
    bold.setPointSize(8);
    bold.setBold(true);
    setFont(bold);
    setFixedSize(260, 130);
    Label1->setGeometry(16, 16, 140, 18);
    Label2->setGeometry(170, 16, 70, 18);
    Label3->setGeometry(16, 48, 140, 18);
    SpinEdit1->setGeometry(170, 44, 70, 24);
    OKBtn->setGeometry(40, 88, 80, 26);
    CancelBtn->setGeometry(140, 88, 80, 26);
    OKBtn->setDefault(true);
    // Up to four digits may be typed; every change is pulled back into 1..offered.
    SpinEdit1->setRange(0, 9999);
    SpinEdit1->setSingleStep(1);
    SpinEdit1->setValue(offered);
    SpinEdit1->findChild<QLineEdit*>()->setMaxLength(4);
    connect(SpinEdit1, &QSpinBox::valueChanged, this, &TQTotakeForm::SpinEdit1Change);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TQTotakeForm::SpinEdit1Change(int value) {
    const int kept = ClampQuestionsToTake(value, offered_);
    if (kept != value)
        SpinEdit1->setValue(kept);
}

int TQTotakeForm::questionsToTake() const {
    return QuestionsToTakeFromText(SpinEdit1->text().toStdString(), offered_);
}

} // namespace tavrin
