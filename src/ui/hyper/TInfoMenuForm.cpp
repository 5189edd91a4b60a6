#include "ui/hyper/TInfoMenuForm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/bytes/FileError.h"
#include "core/files/PickedFile.h"
#include "core/topics/TopicFile.h"
#include "platform/PlatformConversions.h"
#include "ui/hyper/PickerKinds.h"
#include "ui/hyper/Pickers.h"
#include "ui/hyper/TExeChoiceForm.h"
#include "ui/hyper/TGetGrAudioForm.h"
#include "ui/hyper/TextEntry.h"

namespace tavrin {
namespace {

const char* const kCaptions[] = {" Text Only",    " Graphic Only",     " Voice Only",
                                 " Executable",   " Graphic and Text", " Graphic and Sound",
                                 " Video Player", " MIDI Player",      "Tavrin NotePad"};

} // namespace

TInfoMenuForm::TInfoMenuForm(Platform& platform, std::filesystem::path topicFile,
                             std::filesystem::path quizFolder, std::string topicName,
                             QWidget* parent)
    : TInfoMenuForm(platform, std::move(topicFile), std::move(quizFolder), std::move(topicName),
                    false, parent) {}

TInfoMenuForm::TInfoMenuForm(Platform& platform, std::filesystem::path topicFile,
                             std::filesystem::path quizFolder, std::string topicName,
                             bool feedbackMenu, QWidget* parent)
    : PlatformDialog(platform, 500, parent), GroupBox1(new QGroupBox(this)),
      SaveBtn(new QPushButton(tr("&Save"), this)), CancelBtn(new QPushButton(tr("&Cancel"), this)),
      topicFile_(std::move(topicFile)), quizFolder_(std::move(quizFolder)),
      topicName_(std::move(topicName)), feedbackMenu_(feedbackMenu) {
    setObjectName(feedbackMenu ? QStringLiteral("THypMenuForm") : QStringLiteral("TInfoMenuForm"));
    SetPickerLook(*this);
    QFont bold = font();
    bold.setBold(true);
    bold.setPointSize(8);
    setFont(bold);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setTitle(feedbackMenu ? tr(" Select Feedback Type ")
                                     : tr(" Select Information Type "));
    SaveBtn->setObjectName(QStringLiteral("SaveBtn"));
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    buildOptions();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SaveBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(SaveBtn, &QPushButton::clicked, this, &TInfoMenuForm::SaveBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    RadioButtons[0]->setChecked(true);
    enableAdds();
}

void TInfoMenuForm::buildOptions() {
    auto* grid = new QGridLayout(GroupBox1);
    const int count = feedbackMenu_ ? 9 : 8;
    for (int i = 0; i < count; ++i) {
        auto* radio = new QRadioButton(QString::fromLatin1(kCaptions[i]), GroupBox1);
        auto* add = new QPushButton(tr("Add"), GroupBox1);
        radio->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        add->setObjectName(QStringLiteral("Button%1").arg(i + 1));
        grid->addWidget(radio, i, 0);
        grid->addWidget(add, i, 1);
        RadioButtons[static_cast<std::size_t>(i)] = radio;
        AddButtons[static_cast<std::size_t>(i)] = add;
        const int option = i + 1;
        connect(radio, &QRadioButton::clicked, this, [this, option] { RadioButtonClick(option); });
        connect(add, &QPushButton::clicked, this, [this, option] { AddClick(option); });
    }
}

void TInfoMenuForm::enableAdds() {
    for (std::size_t i = 0; i < AddButtons.size(); ++i) {
        if (AddButtons[i] != nullptr) {
            AddButtons[i]->setEnabled(RadioButtons[i]->isChecked());
        }
    }
}

void TInfoMenuForm::selectOption(int option) {
    if (option < 1 || option > 9 || RadioButtons[static_cast<std::size_t>(option - 1)] == nullptr) {
        return;
    }
    RadioButtons[static_cast<std::size_t>(option - 1)]->setChecked(true);
    RadioButtonClick(option);
}

void TInfoMenuForm::LoadTopic(const std::vector<std::string>& lines) {
    choice_ = LoadInformationChoice(lines);
    const std::int32_t expected = choice_.expectedType;
    selectOption(OptionForLinkType(choice_.chosenType));
    choice_.expectedType = expected;
}

void TInfoMenuForm::RadioButtonClick(int option) {
    choice_.expectedType = LinkTypeForOption(option);
    enableAdds();
}

void TInfoMenuForm::AddClick(int option) {
    switch (option) {
    case 1:
    case 5:
        addDisplayText(option);
        break;
    case 2:
        addGraphic();
        break;
    case 4:
        addProgram();
        break;
    case 6:
        addGraphicAndSound();
        break;
    case 9:
        addNotesFile();
        break;
    default:
        addOneFile(option);
        break;
    }
}

void TInfoMenuForm::addDisplayText(int option) {
    choice_.design.setFullscreen(false);
    if (option == 1) {
        choice_.design.setDisplaytype(0);
    }
    if (EditHypertext(platform(), quizFolder_, choice_.design, choice_.textLines,
                      option == 1 ? 1 : 2, this)) {
        choice_.chosenType = option;
    }
}

void TInfoMenuForm::addGraphic() {
    QString file =
        ShownText(PresetPickerFile(quizFolder_, choice_.graphicFile, {"*.jpg", "*.bmp"}));
    int duration = choice_.duration;
    QString command;
    if (PickGraphic(platform(), quizFolder_, command, file, duration, this)) {
        choice_.graphicFile = StoredText(file);
        choice_.duration = duration;
        choice_.command = StoredText(command);
        choice_.chosenType = 2;
    }
}

void TInfoMenuForm::addGraphicAndSound() {
    QString graphic =
        ShownText(PresetPickerFile(quizFolder_, choice_.graphicFile, {"*.jpg", "*.bmp"}));
    QString sound = ShownText(PresetPickerFile(quizFolder_, choice_.soundFile, {"*.wav", "*.mid"}));
    int duration = choice_.duration;
    QString command;
    if (PickGraphicAndSound(platform(), quizFolder_, command, graphic, sound, duration, this)) {
        choice_.graphicFile = StoredText(graphic);
        choice_.soundFile = StoredText(sound);
        choice_.duration = duration;
        choice_.command = StoredText(command);
        choice_.chosenType = 6;
    }
}

void TInfoMenuForm::addOneFile(int option) {
    std::string* remembered = option == 3   ? &choice_.voiceFile
                              : option == 7 ? &choice_.videoFile
                                            : &choice_.midiFile;
    const std::string mask = option == 3 ? "*.wav" : option == 7 ? "*.avi" : "*.mid";
    QString file = ShownText(PresetPickerFile(quizFolder_, *remembered, {mask}));
    QString command;
    const bool ok = option == 3   ? PickVoice(platform(), quizFolder_, command, file, this)
                    : option == 7 ? PickVideo(platform(), quizFolder_, command, file, this)
                                  : PickMidi(platform(), quizFolder_, command, file, this);
    if (ok) {
        *remembered = StoredText(file);
        choice_.command = StoredText(command);
        choice_.chosenType = option;
    }
}

void TInfoMenuForm::addProgram() {
    QString value = ShownText(choice_.program);
    QString command;
    int linkType = choice_.chosenType;
    if (ChooseProgramKind(platform(), quizFolder_, command, value, linkType, this)) {
        choice_.program = StoredText(value);
        choice_.command = StoredText(command);
        choice_.chosenType = linkType;
        choice_.expectedType = linkType;
    }
}

void TInfoMenuForm::addNotesFile() {
    choice_.chosenType = 13;
    QString file = ShownText(choice_.notesFile);
    if (PickNotesFile(platform(), quizFolder_, file, this)) {
        choice_.notesFile = StoredText(file);
        choice_.command = choice_.notesFile;
    }
}

void TInfoMenuForm::SaveBtnClick() {
    switch (CheckInformationSave(choice_, feedbackMenu_)) {
    case SaveVerdict::NoData:
        platform().ShowError(QStringLiteral("No data has been entered."));
        return;
    case SaveVerdict::NoText:
        platform().ShowError(QStringLiteral("No Text information was entered."));
        return;
    case SaveVerdict::StayOpen:
        return;
    case SaveVerdict::Save:
        break;
    }
    try {
        SaveInformationTopic(topicFile_, topicName_, choice_);
    } catch (const std::exception& error) {
        platform().ShowError(QString::fromStdString(error.what()));
        return;
    }
    accept();
}

bool RunMenuOnTopic(Platform& platform, TInfoMenuForm& menu, const std::filesystem::path& topicFile,
                    const std::string& name, const TopicLoader& load) {
    const bool exists = TopicExists(topicFile, name, "", "HYPER");
    if (exists) {
        std::vector<std::string> lines;
        try {
            FindTopic(topicFile, name, "HYPER", lines);
            load(lines);
        } catch (const std::exception& error) {
            platform.ShowError(QString::fromStdString(error.what()));
            return true;
        }
    }
    const bool saved = platform.RunModal(menu) == QDialog::Accepted;
    return saved || exists;
}

bool RunInformationMenu(Platform& platform, const std::filesystem::path& topicFile,
                        const std::filesystem::path& quizFolder, const std::string& identifier,
                        QWidget* parent) {
    TInfoMenuForm menu(platform, topicFile, quizFolder, identifier, parent);
    return RunMenuOnTopic(
        platform, menu, topicFile, identifier,
        [&menu](const std::vector<std::string>& lines) { menu.LoadTopic(lines); });
}

} // namespace tavrin
