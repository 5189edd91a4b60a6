#include "ui/shell/TGetInputTextForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/shell/ListChooser.h"

namespace tavrin {

TGetInputTextForm::TGetInputTextForm(Platform& platform, const QString& text, int helpContext,
                                     QWidget* parent)
    : PlatformDialog(platform, helpContext, parent),
      Label1(new QLabel(tr("Entry to Find :"), this)), Edit1(new QLineEdit(text, this)),
      FindFirstBtn(new QPushButton(tr("Find First"), this)),
      FindNextBtn(new QPushButton(tr("Find Next"), this)),
      CancelBtn(new QPushButton(tr("Cancel"), this)) {
    setObjectName(QStringLiteral("TGetInputTextForm"));
    setWindowTitle(tr("Find"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    FindFirstBtn->setObjectName(QStringLiteral("FindFirstBtn"));
    FindNextBtn->setObjectName(QStringLiteral("FindNextBtn"));
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    Label1->setBuddy(Edit1);
    FindFirstBtn->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(FindFirstBtn);
    buttons->addWidget(FindNextBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Edit1);
    layout->addLayout(buttons);

    connect(FindFirstBtn, &QPushButton::clicked, this, &TGetInputTextForm::FindFirstBtnClick);
    connect(FindNextBtn, &QPushButton::clicked, this, &TGetInputTextForm::FindNextBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    Edit1->selectAll();
    Edit1->setFocus();
}

QString TGetInputTextForm::text() const {
    return Edit1->text();
}

void TGetInputTextForm::FindFirstBtnClick() {
    done(kFindFirst);
}

void TGetInputTextForm::FindNextBtnClick() {
    done(kFindNext);
}

} // namespace tavrin
