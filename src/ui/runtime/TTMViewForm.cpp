#include "ui/runtime/TTMViewForm.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "ui/runtime/RunStyle.h"

namespace tavrin {

TTMViewForm::TTMViewForm(RunContext& run, QWidget* parent)
    : PlatformDialog(run.platform, run.helpContext(), parent), GroupBox1(new QGroupBox(this)),
      GroupBox2(new QGroupBox(this)), AnsLbl(new QLabel(GroupBox2)), Button1(new QPushButton(this)),
      CloseBtn(new QPushButton(tr("&Close"), this)), run_(run) {
    setObjectName(QStringLiteral("TTMViewForm"));
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    AnsLbl->setObjectName(QStringLiteral("AnsLbl"));
    AnsLbl->setTextFormat(Qt::PlainText);
    Button1->setObjectName(QStringLiteral("Button1"));
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    setWindowTitle(QString());
    setFixedSize(620, 290);
    GroupBox1->setGeometry(10, 8, 600, 140);
    for (int line = 1; line <= 6; ++line) {
        auto* label = new QLabel(GroupBox1);
        label->setObjectName(QStringLiteral("QuestLbl%1").arg(line));
        label->setTextFormat(Qt::PlainText);
        label->setGeometry(12, 4 + 18 * line, 576, 16);
        label->setText(ShownText(run.state.tmRecord.questionLine(line)));
        questionLabels[static_cast<std::size_t>(line - 1)] = label;
    }
    GroupBox2->setGeometry(10, 156, 600, 56);
    AnsLbl->setGeometry(12, 24, 576, 18);
    Button1->setGeometry(160, 240, 130, 28);
    CloseBtn->setGeometry(330, 240, 130, 28);
    CloseBtn->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TTMViewForm::Button1Click);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);

    GroupBox1->setTitle(QStringLiteral(" Question "));
    GroupBox2->setTitle(BoxCaption(run.texts().answerCaption()));
    AnsLbl->setText(ShownText(run.state.tmRecord.correctAnswer()));
    Button1->setText(run.text(CustomTexts::kInformationButton));
    Button1->setEnabled(run.state.tmRecord.hasInformation());
}

void TTMViewForm::Button1Click() {
    run_.ShowInformation(run_.state.tmRecord.identifier());
}

void ViewTMQuestion(RunContext& run, QWidget* parent) {
    TTMViewForm form(run, parent);
    run.platform.RunModal(form);
}

} // namespace tavrin
