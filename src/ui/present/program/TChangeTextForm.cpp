#include "ui/present/program/TChangeTextForm.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Platform.h"
#include "platform/PlatformConversions.h"

namespace tavrin {

TChangeTextForm::TChangeTextForm(Platform& platform, const ProgramScreens& screens, QWidget* parent)
    : PlatformDialog(platform, 475, parent), CloseEdit(new QLineEdit(this)),
      AboutEdit(new QLineEdit(this)), HelpEdit(new QLineEdit(this)),
      DefaultsBtn(new QPushButton(tr("&Defaults"), this)), OKBtn(new QPushButton(tr("&OK"), this)),
      CancelBtn(new QPushButton(tr("&Cancel"), this)), screens_(screens) {
    setObjectName(QStringLiteral("TChangeTextForm"));
    setWindowTitle(tr("Press F1 for Help"));
    const std::pair<QWidget*, const char*> names[] = {
        {CloseEdit, "CloseEdit"},     {AboutEdit, "AboutEdit"}, {HelpEdit, "HelpEdit"},
        {DefaultsBtn, "DefaultsBtn"}, {OKBtn, "OKBtn"},         {CancelBtn, "CancelBtn"}};
    for (const auto& [widget, name] : names)
        widget->setObjectName(QString::fromLatin1(name));

    auto* group = new QGroupBox(tr(" Menu Buttons "), this);
    auto* fields = new QFormLayout(group);
    for (QLineEdit* edit : {CloseEdit, AboutEdit, HelpEdit})
        edit->setMaxLength(16);
    fields->addRow(tr("Close"), CloseEdit);
    fields->addRow(tr("About"), AboutEdit);
    fields->addRow(tr("Help"), HelpEdit);
    auto* note = new QLabel(tr("Use && to indicate the Hot Key"), this);
    note->setTextFormat(Qt::PlainText);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(DefaultsBtn);
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(note);
    layout->addLayout(buttons);
    loadEdits();

    connect(DefaultsBtn, &QPushButton::clicked, this, &TChangeTextForm::DefaultsBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TChangeTextForm::loadEdits() {
    CloseEdit->setText(ShownText(screens_.closeButtonText()));
    AboutEdit->setText(ShownText(screens_.aboutButtonText()));
    HelpEdit->setText(ShownText(screens_.helpButtonText()));
}

ProgramScreens TChangeTextForm::screens() const {
    ProgramScreens screens = screens_;
    screens.setCloseButtonText(StoredText(CloseEdit->text()));
    screens.setAboutButtonText(StoredText(AboutEdit->text()));
    screens.setHelpButtonText(StoredText(HelpEdit->text()));
    return screens;
}

void TChangeTextForm::DefaultsBtnClick() {
    InitButtonTexts(screens_);
    loadEdits();
}

bool ChangeMenuTexts(Platform& platform, ProgramScreens& screens, QWidget* parent) {
    TChangeTextForm form(platform, screens, parent);
    if (platform.RunModal(form) != QDialog::Accepted)
        return false;
    screens = form.screens();
    return true;
}

} // namespace tavrin
