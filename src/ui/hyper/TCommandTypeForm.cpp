#include "ui/hyper/TCommandTypeForm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <tuple>

#include "core/files/PickedFile.h"
#include "platform/PlatformConversions.h"
#include "ui/hyper/PickerKinds.h"
#include "ui/hyper/Pickers.h"
#include "ui/hyper/TExeChoiceForm.h"
#include "ui/hyper/TGetGrAudioForm.h"

namespace tavrin {
namespace {

bool isProgram(int type) {
    return type == 4 || type == 9 || type == 10;
}

} // namespace

TCommandTypeForm::TCommandTypeForm(Platform& platform, const CommandRecord& record,
                                   const QString& caption, int helpContext, bool shortKinds,
                                   std::filesystem::path quizFolder, QWidget* parent)
    : PlatformDialog(platform, helpContext, parent), GroupBox1(new QGroupBox(caption, this)),
      RadioButton1(new QRadioButton(tr(" Graphic Only"), GroupBox1)),
      RadioButton2(new QRadioButton(tr(" Voice Only"), GroupBox1)),
      RadioButton3(new QRadioButton(tr(" Executable"), GroupBox1)),
      RadioButton4(new QRadioButton(tr(" Graphic and Sound"), GroupBox1)),
      DefineBtn1(new QPushButton(tr("Define"), GroupBox1)),
      DefineBtn2(new QPushButton(tr("Define"), GroupBox1)),
      DefineBtn3(new QPushButton(tr("Define"), GroupBox1)),
      DefineBtn4(new QPushButton(tr("Define"), GroupBox1)), OKBtn(new QPushButton(tr("&OK"), this)),
      CancelBtn(new QPushButton(tr("&Cancel"), this)), record_(record),
      currentType_(record.shownCommandType()), shortKinds_(shortKinds),
      quizFolder_(std::move(quizFolder)) {
    setObjectName(QStringLiteral("TCommandTypeForm"));
    SetPickerLook(*this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* grid = new QGridLayout(GroupBox1);
    const std::tuple<QRadioButton*, QPushButton*, int> rows[] = {{RadioButton1, DefineBtn1, 2},
                                                                 {RadioButton2, DefineBtn2, 3},
                                                                 {RadioButton3, DefineBtn3, 4},
                                                                 {RadioButton4, DefineBtn4, 6}};
    int row = 0;
    for (const auto& [radio, define, type] : rows) {
        ++row;
        radio->setObjectName(QStringLiteral("RadioButton%1").arg(row));
        define->setObjectName(QStringLiteral("DefineBtn%1").arg(row));
        grid->addWidget(radio, row, 0);
        grid->addWidget(define, row, 1);
        const int t = type;
        connect(radio, &QRadioButton::clicked, this, [this, t] { RadioButtonClick(t); });
        connect(define, &QPushButton::clicked, this, [this, t] { DefineClick(t); });
    }
    LayOutChoiceDialog(*this, *GroupBox1, *OKBtn, *CancelBtn);
    connect(OKBtn, &QPushButton::clicked, this, &TCommandTypeForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    QRadioButton* selected = currentType_ == 2   ? RadioButton1
                             : currentType_ == 3 ? RadioButton2
                             : currentType_ == 6 ? RadioButton4
                                                 : RadioButton3;
    selected->setChecked(true);
    enableDefines();
}

void TCommandTypeForm::enableDefines() {
    DefineBtn1->setEnabled(RadioButton1->isChecked());
    DefineBtn2->setEnabled(RadioButton2->isChecked());
    DefineBtn3->setEnabled(RadioButton3->isChecked());
    DefineBtn4->setEnabled(RadioButton4->isChecked());
}

void TCommandTypeForm::RadioButtonClick(int type) {
    currentType_ = static_cast<std::int16_t>(type);
    defined_ = false;
    enableDefines();
}

void TCommandTypeForm::storePicked(const QString& command) {
    record_.setGraphicFile("");
    record_.setGraphicAndSoundGraphic("");
    record_.setVoiceFile("");
    record_.setGraphicAndSoundSound("");
    record_.setProgramCommand("");
    record_.setRunCommand(StoredText(command));
}

void TCommandTypeForm::DefineClick(int type) {
    QString command;
    if (type == 2) {
        QString file =
            ShownText(PresetPickerFile(quizFolder_, record_.graphicFile(), {"*.jpg", "*.bmp"}));
        int duration = record_.displayOption();
        if (PickGraphic(platform(), quizFolder_, command, file, duration, this)) {
            storePicked(command);
            record_.setGraphicFile(StoredText(file));
            record_.setDisplayOption(static_cast<std::int16_t>(duration));
            defined_ = true;
        }
    } else if (type == 3) {
        QString file = ShownText(PresetPickerFile(quizFolder_, record_.voiceFile(), {"*.wav"}));
        if (PickVoice(platform(), quizFolder_, command, file, this)) {
            storePicked(command);
            record_.setVoiceFile(StoredText(file));
            defined_ = true;
        }
    } else if (type == 6) {
        QString graphic = ShownText(
            PresetPickerFile(quizFolder_, record_.graphicAndSoundGraphic(), {"*.jpg", "*.bmp"}));
        QString sound = ShownText(
            PresetPickerFile(quizFolder_, record_.graphicAndSoundSound(), {"*.wav", "*.mid"}));
        int duration = record_.displayOption();
        if (PickGraphicAndSound(platform(), quizFolder_, command, graphic, sound, duration, this)) {
            storePicked(command);
            record_.setGraphicAndSoundGraphic(StoredText(graphic));
            record_.setGraphicAndSoundSound(StoredText(sound));
            record_.setDisplayOption(static_cast<std::int16_t>(duration));
            defined_ = true;
        }
    } else {
        QString value = ShownText(record_.programCommand());
        int linkType = isProgram(currentType_) ? currentType_ : 4;
        const bool ok =
            shortKinds_
                ? ChooseProgramKindShort(platform(), quizFolder_, command, value, linkType, this)
                : ChooseProgramKind(platform(), quizFolder_, command, value, linkType, this);
        if (ok && !command.isEmpty()) {
            storePicked(command);
            record_.setProgramCommand(StoredText(value));
            currentType_ = static_cast<std::int16_t>(linkType);
        }
    }
}

QString TCommandTypeForm::checkBeforeClosing() {
    if (defined_) {
        return {};
    }
    if (currentType_ == 2 && record_.graphicFile().empty()) {
        DefineBtn1->setFocus();
        return tr("No Graphic File has been selected.");
    }
    if (isProgram(currentType_) && record_.programCommand().empty()) {
        DefineBtn3->setFocus();
        return tr("No Executable File has been defined.");
    }
    if (currentType_ == 3 && record_.voiceFile().empty()) {
        DefineBtn2->setFocus();
        return tr("No Voice File has been selected.");
    }
    if (currentType_ == 6 && record_.graphicAndSoundGraphic().empty()) {
        DefineBtn4->setFocus();
        return tr("No Graphic File has been selected.");
    }
    if (currentType_ == 6 && record_.graphicAndSoundSound().empty()) {
        DefineBtn4->setFocus();
        return tr("No Sound File has been selected.");
    }
    return {};
}

void TCommandTypeForm::OKBtnClick() {
    const QString problem = checkBeforeClosing();
    if (!problem.isEmpty()) {
        platform().ShowError(problem);
        return;
    }
    record_.setCommandType(currentType_);
    accept();
}

bool EditCommand(Platform& platform, CommandRecord& record, const QString& caption, int helpContext,
                 bool shortKinds, const std::filesystem::path& quizFolder, QWidget* parent) {
    TCommandTypeForm form(platform, record,
                          caption.isEmpty() ? QStringLiteral(" Command Type ") : caption,
                          helpContext, shortKinds, quizFolder, parent);
    if (platform.RunModal(form) != QDialog::Accepted) {
        return false;
    }
    record = form.record();
    return true;
}

} // namespace tavrin
