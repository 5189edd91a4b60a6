#include "ui/hyper/TExeChoiceForm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "ui/hyper/PickerKinds.h"
#include "ui/hyper/Pickers.h"

namespace tavrin {
namespace {

constexpr std::array<int, 3> kKindTypes = {4, 9, 10};

int kindOf(int linkType) {
    return linkType == 9 ? 1 : linkType == 10 ? 2 : 0;
}

} // namespace

TExeChoiceForm::TExeChoiceForm(Platform& platform, bool shortForm, std::filesystem::path quizFolder,
                               QString value, int linkType, QWidget* parent)
    : PlatformDialog(platform, shortForm ? 425 : 540, parent), GroupBox1(new QGroupBox(this)),
      RadioButton1(new QRadioButton(tr(" Executable Program"), GroupBox1)),
      RadioButton2(new QRadioButton(
          shortForm ? tr(" Internal Windows Program") : tr(" Windows related Program"), GroupBox1)),
      Button1(new QPushButton(tr("Add"), GroupBox1)),
      Button2(new QPushButton(tr("Add"), GroupBox1)), OKBtn(new QPushButton(tr("&OK"), this)),
      CancelBtn(new QPushButton(tr("&Cancel"), this)), quizFolder_(std::move(quizFolder)),
      linkType_(linkType) {
    setObjectName(shortForm ? QStringLiteral("TExe2ChoiceForm") : QStringLiteral("TExeChoiceForm"));
    SetPickerLook(*this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setTitle(shortForm ? tr(" Select Executable Type ") : tr(" Select External Type "));
    auto* grid = new QGridLayout(GroupBox1);
    const auto addRow = [&](QRadioButton* radio, QPushButton* add, int row) {
        radio->setObjectName(QStringLiteral("RadioButton%1").arg(row + 1));
        add->setObjectName(QStringLiteral("Button%1").arg(row + 1));
        grid->addWidget(radio, row, 0);
        grid->addWidget(add, row, 1);
        connect(radio, &QRadioButton::clicked, this, &TExeChoiceForm::RadioButtonClick);
        connect(add, &QPushButton::clicked, this, [this, row] { AddClick(row); });
    };
    addRow(RadioButton1, Button1, 0);
    addRow(RadioButton2, Button2, 1);
    if (!shortForm) {
        RadioButton3 = new QRadioButton(tr(" HTML Web Browser File"), GroupBox1);
        Button3 = new QPushButton(tr("Add"), GroupBox1);
        addRow(RadioButton3, Button3, 2);
    }
    LayOutChoiceDialog(*this, *GroupBox1, *OKBtn, *CancelBtn);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    int kind = kindOf(linkType);
    if (shortForm && kind == 2) {
        kind = 0;
    }
    values_[static_cast<std::size_t>(kind)] = std::move(value);
    QRadioButton* radios[] = {RadioButton1, RadioButton2, RadioButton3};
    radios[kind]->setChecked(true);
    enableAdds();
}

void TExeChoiceForm::enableAdds() {
    Button1->setEnabled(RadioButton1->isChecked());
    Button2->setEnabled(RadioButton2->isChecked());
    if (Button3 != nullptr) {
        Button3->setEnabled(RadioButton3->isChecked());
    }
}

void TExeChoiceForm::RadioButtonClick() {
    enableAdds();
}

void TExeChoiceForm::AddClick(int kind) {
    QString& value = values_[static_cast<std::size_t>(kind)];
    QString picked = value;
    bool ok = false;
    switch (kind) {
    case 0:
        ok = PickProgram(platform(), quizFolder_, picked, this);
        break;
    case 1:
        ok = PickWindowsProgram(platform(), quizFolder_, picked, this);
        break;
    default:
        ok = PickHtml(platform(), quizFolder_, picked, this);
        break;
    }
    if (ok) {
        value = picked;
        command_ = picked;
        linkType_ = kKindTypes[static_cast<std::size_t>(kind)];
    }
}

namespace {

bool choose(Platform& platform, bool shortForm, const std::filesystem::path& quizFolder,
            QString& command, QString& value, int& linkType, QWidget* parent) {
    TExeChoiceForm form(platform, shortForm, quizFolder, value, linkType, parent);
    if (platform.RunModal(form) != QDialog::Accepted) {
        return false;
    }
    linkType = form.linkType();
    command = form.command();
    value = command;
    return true;
}

} // namespace

bool ChooseProgramKind(Platform& platform, const std::filesystem::path& quizFolder,
                       QString& command, QString& value, int& linkType, QWidget* parent) {
    return choose(platform, false, quizFolder, command, value, linkType, parent);
}

bool ChooseProgramKindShort(Platform& platform, const std::filesystem::path& quizFolder,
                            QString& command, QString& value, int& linkType, QWidget* parent) {
    return choose(platform, true, quizFolder, command, value, linkType, parent);
}

} // namespace tavrin
