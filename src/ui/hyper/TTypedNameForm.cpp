#include "ui/hyper/TTypedNameForm.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/PlatformConversions.h"
#include "ui/hyper/LinkPreview.h"
#include "ui/hyper/PickerKinds.h"

namespace tavrin {

TTypedNameForm::TTypedNameForm(Platform& platform, TypedNameKind kind,
                               std::filesystem::path quizFolder, QWidget* parent)
    : PlatformDialog(platform, kind == TypedNameKind::WindowsProgram ? 546 : 590, parent),
      GroupBox1(new QGroupBox(this)), Edit1(new QLineEdit(GroupBox1)),
      ViewBtn(new QPushButton(tr("&View"), this)), OKBtn(new QPushButton(tr("&OK"), this)),
      CancelBtn(new QPushButton(tr("&Cancel"), this)), kind_(kind),
      quizFolder_(std::move(quizFolder)) {
    const bool program = kind == TypedNameKind::WindowsProgram;
    setObjectName(program ? QStringLiteral("TGetWinExeForm") : QStringLiteral("TNoteFileForm"));
    SetPickerLook(*this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setTitle(program ? QStringLiteral(" Windows related Program ")
                                : QStringLiteral(" Enter Text Filename "));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(program ? 50 : 60);
    ViewBtn->setObjectName(QStringLiteral("ViewBtn"));
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    auto* group = new QVBoxLayout(GroupBox1);
    group->addWidget(Edit1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ViewBtn);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(buttons);
    connect(ViewBtn, &QPushButton::clicked, this, &TTypedNameForm::ViewBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &TTypedNameForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TTypedNameForm::ViewBtnClick() {
    if (Edit1->text().isEmpty()) {
        return;
    }
    if (kind_ == TypedNameKind::WindowsProgram) {
        RunLinkedProgram(platform(), 9, StoredText(Edit1->text()), quizFolder_);
    } else {
        PreviewNotesFile(platform(), quizFolder_, Edit1->text());
    }
}

void TTypedNameForm::OKBtnClick() {
    if (kind_ == TypedNameKind::WindowsProgram && Edit1->text().isEmpty()) {
        platform().ShowError(QStringLiteral("No executable file has been selected"));
        Edit1->setFocus();
        return;
    }
    accept();
}

} // namespace tavrin
