#include "ui/questions/TMEntryForm.h"

#include "core/questions/TTMRecord.h"
#include "platform/Platform.h"
#include "platform/PlatformConversions.h"
#include "ui/questions/TMCEntryForm.h"
#include "ui/questions/TTIEntryForm.h"

#include <algorithm>

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tavrin {

namespace {

QLineEdit* NamedEdit(QWidget* parent, const QString& name, int maxLength) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    return edit;
}

QGroupBox* Group(QWidget* parent, const char* caption, const char* name) {
    auto* group = new QGroupBox(QString::fromLatin1(caption), parent);
    group->setObjectName(QString::fromLatin1(name));
    return group;
}

const TMEntryForm::Layout kTILayout{
    "TTIEntryForm", TTIEntryForm::kHelpContext, 80, " Correct Answer to Display ",
    " Matches ",    TTMRecord::kMatches,        20, "A Match must be entered."};

const TMEntryForm::Layout kMCLayout{
    "TMCEntryForm",    TMCEntryForm::kHelpContext, 90, " Correct Answer ",
    " Wrong Answers ", TTMRecord::kWrongAnswers,   90, "A Wrong Answer must be entered."};

} // namespace

TMEntryForm::TMEntryForm(const EntryContext& context, const TTMRecord& record, const Layout& layout)
    : EntryFormBase(context, layout.helpContext),
      CorrectEdit(NamedEdit(this, QStringLiteral("CorrectEdit"), 90)),
      PreviewEdit(NamedEdit(this, QStringLiteral("PreviewEdit"), 50)),
      BitBtn1(new QPushButton(QStringLiteral("&Save"), this)),
      BitBtn2(new QPushButton(QStringLiteral("&Cancel"), this)), layout_(layout) {
    setObjectName(QString::fromLatin1(layout.objectName));
    for (int line = 1; line <= TTMRecord::kQuestionLines; ++line)
        qEdit << NamedEdit(this, QStringLiteral("qEdit%1").arg(line),
                           line == 1 ? 90 : layout.laterLineLength);
    const bool matches = layout.answerCount == TTMRecord::kMatches;
    for (int k = 1; k <= layout.answerCount; ++k) {
        // The sixth match edit has always been spelt this way.
        const QString name =
            matches && k == 6 ? QStringLiteral("Aedit6") : QStringLiteral("AEdit%1").arg(k);
        AEdit << NamedEdit(this, name, layout.answerLength);
    }
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BuildLayout();
    connect(BitBtn1, &QPushButton::clicked, this, &TMEntryForm::SaveClick);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    Load(record);
}

void TMEntryForm::BuildLayout() {
    auto* idRow = new QHBoxLayout;
    idRow->addWidget(new QLabel(QStringLiteral("Question Identifier "), this));
    idRow->addWidget(QuestID, 1);

    auto* question = Group(this, " Question ", "QuestionGroup");
    auto* lines = new QVBoxLayout(question);
    for (QLineEdit* edit : qEdit)
        lines->addWidget(edit);

    auto* correct = Group(this, layout_.correctCaption, "CorrectGroup");
    (new QVBoxLayout(correct))->addWidget(CorrectEdit);

    auto* answers = Group(this, layout_.answersCaption, "AnswersGroup");
    auto* answerGrid = new QGridLayout(answers);
    const int columns = layout_.answerCount == TTMRecord::kMatches ? 3 : 1;
    for (int i = 0; i < AEdit.size(); ++i)
        answerGrid->addWidget(AEdit[i], i / columns, i % columns);

    auto* preview = Group(this, " PreView Menu Entry ", "PreviewGroup");
    (new QVBoxLayout(preview))->addWidget(PreviewEdit);

    auto* info = Group(this, " Study Information ", "InfoGroup");
    auto* infoRow = new QHBoxLayout(info);
    infoRow->addWidget(Panel1);
    infoRow->addWidget(Button1);
    infoRow->addWidget(Button2);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(preview, 1);
    bottom->addWidget(info);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(idRow);
    layout->addWidget(question);
    layout->addWidget(correct);
    layout->addWidget(answers);
    layout->addLayout(bottom);
    layout->addLayout(buttons);

    for (QPushButton* button : {Button1, Button2, BitBtn2})
        button->setAutoDefault(false);
    BitBtn1->setDefault(true);
    QList<QWidget*> order{QuestID};
    order.append({qEdit.begin(), qEdit.end()});
    order << CorrectEdit;
    order.append({AEdit.begin(), AEdit.end()});
    order << PreviewEdit << Button1 << Button2 << BitBtn1 << BitBtn2;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    QuestID->setFocus();
    resize(640, 480);
    if (QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

std::string TMEntryForm::AnswerFromRecord(const TTMRecord& record, int k) const {
    return layout_.answerCount == TTMRecord::kMatches ? record.match(k) : record.wrongAnswer(k);
}

void TMEntryForm::SetAnswerInRecord(TTMRecord& record, int k, const std::string& text) const {
    if (layout_.answerCount == TTMRecord::kMatches)
        record.setMatch(k, text);
    else
        record.setWrongAnswer(k, text);
}

void TMEntryForm::Load(const TTMRecord& record) {
    LoadCommon(record.identifier(), record.hasInformation());
    for (int line = 1; line <= TTMRecord::kQuestionLines; ++line)
        qEdit[line - 1]->setText(ShownText(record.questionLine(line)));
    CorrectEdit->setText(ShownText(record.correctAnswer()));
    for (int k = 1; k <= AEdit.size(); ++k)
        AEdit[k - 1]->setText(ShownText(AnswerFromRecord(record, k)));
    PreviewEdit->setText(ShownText(record.previewEntry()));
}

bool TMEntryForm::ValidateFields() {
    if (IsBlank(CorrectEdit))
        return Refuse("A Correct Answer must be entered.", CorrectEdit);
    if (std::all_of(qEdit.begin(), qEdit.end(), IsBlank))
        return Refuse("A Question must be entered.", qEdit[0]);
    if (std::all_of(AEdit.begin(), AEdit.end(), IsBlank))
        return Refuse(layout_.answerMissing, AEdit[0]);
    return true;
}

void TMEntryForm::StoreInto(TTMRecord& record) {
    record.setHasInformation(hasInformation());
    ApplyInformationOnSave();
    record.setIdentifier(Stored(QuestID));
    for (int line = 1; line <= TTMRecord::kQuestionLines; ++line)
        record.setQuestionLine(line, Stored(qEdit[line - 1]));
    record.setCorrectAnswer(Stored(CorrectEdit));
    int slot = 0;
    for (QLineEdit* edit : AEdit) {
        if (!IsBlank(edit))
            SetAnswerInRecord(record, ++slot, Stored(edit));
    }
    while (slot < AEdit.size())
        SetAnswerInRecord(record, ++slot, std::string());
    record.setPreviewEntry(Stored(PreviewEdit));
}

TTIEntryForm::TTIEntryForm(const EntryContext& context, const TTMRecord& record)
    : TMEntryForm(context, record, kTILayout) {}

TMCEntryForm::TMCEntryForm(const EntryContext& context, const TTMRecord& record)
    : TMEntryForm(context, record, kMCLayout) {}

namespace {

template <typename Form> bool RunForm(const EntryContext& context, TTMRecord& record) {
    Form form(context, record);
    if (context.platform.RunModal(form) != QDialog::Accepted)
        return false;
    form.StoreInto(record);
    return true;
}

} // namespace

bool RunTIEntryForm(const EntryContext& context, TTMRecord& record) {
    return RunForm<TTIEntryForm>(context, record);
}

bool RunMCEntryForm(const EntryContext& context, TTMRecord& record) {
    return RunForm<TMCEntryForm>(context, record);
}

} // namespace tavrin
