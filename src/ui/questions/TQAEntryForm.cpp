#include "ui/questions/TQAEntryForm.h"

#include "core/questions/TQARecord.h"
#include "platform/Platform.h"
#include "platform/PlatformConversions.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrin {

namespace {} // namespace

TQAEntryForm::TQAEntryForm(const EntryContext& context, const TQARecord& record)
    : EntryFormBase(context, kHelpContext), QuestEdit(new QLineEdit(this)),
      AnswerEdit(new QLineEdit(this)), BitBtn2(new QPushButton(QStringLiteral("&Save"), this)),
      BitBtn1(new QPushButton(QStringLiteral("Cancel"), this)) {
    setObjectName(QStringLiteral("TQAEntryForm"));
    QuestEdit->setObjectName(QStringLiteral("QuestEdit"));
    AnswerEdit->setObjectName(QStringLiteral("AnswerEdit"));
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    QuestEdit->setMaxLength(90);
    AnswerEdit->setMaxLength(90);

    auto* heading = new QLabel(QStringLiteral("Enter a Question and Answer Pair"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    heading->setFont(bold);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Question Identifier :"), this), 0, 0);
    fields->addWidget(QuestID, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Question"), this), 1, 0);
    fields->addWidget(QuestEdit, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("Answer"), this), 2, 0);
    fields->addWidget(AnswerEdit, 2, 1);

    auto* info = new QGroupBox(QStringLiteral("Study Information"), this);
    info->setObjectName(QStringLiteral("InfoGroup"));
    auto* infoRow = new QHBoxLayout(info);
    infoRow->addWidget(Panel1);
    infoRow->addWidget(Button1);
    infoRow->addWidget(Button2);
    infoRow->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(fields);
    layout->addWidget(info);
    layout->addLayout(buttons);
    resize(600, 260);

    const QList<QWidget*> order{QuestID, QuestEdit, AnswerEdit, Button1, Button2, BitBtn2, BitBtn1};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    for (QPushButton* button : {Button1, Button2, BitBtn1})
        button->setAutoDefault(false);
    BitBtn2->setDefault(true);
    QuestID->setFocus();

    connect(BitBtn2, &QPushButton::clicked, this, &TQAEntryForm::SaveClick);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);

    LoadCommon(record.identifier(), record.hasInformation());
    QuestEdit->setText(ShownText(record.question()));
    AnswerEdit->setText(ShownText(record.answer()));
}

bool TQAEntryForm::ValidateFields() {
    if (IsBlank(QuestEdit))
        return Refuse("A Question must be entered.", QuestEdit);
    if (IsBlank(AnswerEdit))
        return Refuse("An Answer must be entered.", AnswerEdit);
    return true;
}

void TQAEntryForm::StoreInto(TQARecord& record) {
    record.setHasInformation(hasInformation());
    ApplyInformationOnSave();
    record.setIdentifier(Stored(QuestID));
    record.setQuestion(Stored(QuestEdit));
    record.setAnswer(Stored(AnswerEdit));
}

bool RunQAEntryForm(const EntryContext& context, TQARecord& record) {
    TQAEntryForm form(context, record);
    if (context.platform.RunModal(form) != QDialog::Accepted)
        return false;
    form.StoreInto(record);
    return true;
}

} // namespace tavrin
