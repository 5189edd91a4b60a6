#include "ui/runtime/TPrevAnsForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/runtime/RunStyle.h"

namespace tavrin {

TPrevAnsForm::TPrevAnsForm(RunContext& run, QWidget* parent)
    : PlatformDialog(run.platform, run.helpContext(), parent), Label1(new QLabel(this)),
      Edit1(new QLineEdit(this)), Label2(new QLabel(this)), Edit2(new QLineEdit(this)),
      Button1(new QPushButton(this)), CloseBtn(new QPushButton(tr("&Close"), this)), run_(run) {
    setObjectName(QStringLiteral("TPrevAnsForm"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Button1->setObjectName(QStringLiteral("Button1"));
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    for (QLabel* label : {Label1, Label2})
        label->setTextFormat(Qt::PlainText);
    setWindowTitle(QString());
    setFixedSize(600, 190);
    Label1->setGeometry(16, 12, 300, 18);
    Edit1->setGeometry(16, 32, 568, 24);
    Label2->setGeometry(16, 66, 300, 18);
    Edit2->setGeometry(16, 86, 568, 24);
    Button1->setGeometry(150, 140, 130, 28);
    CloseBtn->setGeometry(320, 140, 130, 28);
    Edit1->setReadOnly(true);
    Edit2->setReadOnly(true);
    CloseBtn->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TPrevAnsForm::Button1Click);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);

    const auto& record = run.state.qaRecord;
    Label1->setText(run.text(CustomTexts::kQuestionCaption));
    Label2->setText(run.text(CustomTexts::kAnswerCaption));
    Edit1->setText(ShownText(record.question()));
    Edit2->setText(ShownText(record.answer()));
    Button1->setText(run.text(CustomTexts::kInformationButton));
    Button1->setEnabled(record.hasInformation());
}

void TPrevAnsForm::Button1Click() {
    run_.ShowInformation(run_.state.qaRecord.identifier());
}

void ViewQAQuestion(RunContext& run, QWidget* parent) {
    TPrevAnsForm form(run, parent);
    run.platform.RunModal(form);
}

} // namespace tavrin
