#include "ui/notes/TFindDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrin {

TFindDialog::TFindDialog(Platform& platform, Kind kind, int helpContext, QWidget* owner)
    : PlatformDialog(platform, helpContext, owner), FindLabel(new QLabel(tr("Fi&nd what:"), this)),
      FindEdit(new QLineEdit(this)), ReplaceLabel(new QLabel(tr("Re&place with:"), this)),
      ReplaceEdit(new QLineEdit(this)), FindNextBtn(new QPushButton(tr("&Find Next"), this)),
      ReplaceBtn(new QPushButton(tr("&Replace"), this)),
      ReplaceAllBtn(new QPushButton(tr("Replace &All"), this)),
      CancelBtn(new QPushButton(tr("Cancel"), this)) {
    const bool replacing = kind == Kind::Replace;
    setObjectName(replacing ? QStringLiteral("ReplaceDialog1") : QStringLiteral("FindDialog1"));
    setWindowTitle(replacing ? tr("Replace") : tr("Find"));
    setModal(false);
    const std::pair<QWidget*, const char*> names[] = {
        {FindLabel, "FindLabel"},         {FindEdit, "FindEdit"},
        {ReplaceLabel, "ReplaceLabel"},   {ReplaceEdit, "ReplaceEdit"},
        {FindNextBtn, "FindNextBtn"},     {ReplaceBtn, "ReplaceBtn"},
        {ReplaceAllBtn, "ReplaceAllBtn"}, {CancelBtn, "CancelBtn"}};
    for (auto [widget, name] : names)
        widget->setObjectName(QString::fromLatin1(name));
    FindLabel->setBuddy(FindEdit);
    ReplaceLabel->setBuddy(ReplaceEdit);
    FindNextBtn->setDefault(true);
    for (QWidget* part : {static_cast<QWidget*>(ReplaceLabel), static_cast<QWidget*>(ReplaceEdit),
                          static_cast<QWidget*>(ReplaceBtn), static_cast<QWidget*>(ReplaceAllBtn)})
        part->setVisible(replacing);

    auto* fields = new QGridLayout;
    fields->addWidget(FindLabel, 0, 0);
    fields->addWidget(FindEdit, 0, 1);
    fields->addWidget(ReplaceLabel, 1, 0);
    fields->addWidget(ReplaceEdit, 1, 1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {FindNextBtn, ReplaceBtn, ReplaceAllBtn, CancelBtn})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);

    connect(FindEdit, &QLineEdit::textChanged, this, &TFindDialog::FindEditChange);
    connect(FindNextBtn, &QPushButton::clicked, this, &TFindDialog::findNext);
    connect(ReplaceBtn, &QPushButton::clicked, this, &TFindDialog::replace);
    connect(ReplaceAllBtn, &QPushButton::clicked, this, &TFindDialog::replaceAll);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    FindEditChange();
}

QString TFindDialog::findText() const {
    return FindEdit->text();
}

void TFindDialog::setFindText(const QString& text) {
    FindEdit->setText(text);
}

QString TFindDialog::replaceText() const {
    return ReplaceEdit->text();
}

void TFindDialog::Execute() {
    show();
    raise();
    activateWindow();
    FindEdit->selectAll();
    FindEdit->setFocus();
}

// Nothing to search for: the search buttons wait for a text.
void TFindDialog::FindEditChange() {
    const bool hasText = !FindEdit->text().isEmpty();
    for (QPushButton* button : {FindNextBtn, ReplaceBtn, ReplaceAllBtn})
        button->setEnabled(hasText);
}

} // namespace tavrin
