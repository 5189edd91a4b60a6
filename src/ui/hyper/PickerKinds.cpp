#include "ui/hyper/PickerKinds.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

#include "core/bytes/FileError.h"
#include "core/files/FolderNames.h"
#include "core/files/PickedFile.h"
#include "core/files/SharedRoutines.h"
#include "platform/Platform.h"
#include "platform/PlatformConversions.h"
#include "ui/hyper/TFilePickerForm.h"

namespace tavrin {
namespace {

constexpr int kOpenDialogHelp = 510;

QString& currentTopic() {
    static QString name;
    return name;
}

} // namespace

const PickerDescription& DescribePicker(PickerKind kind) {
    static const PickerDescription graphic{
        "TGetGraphicForm",  " Select .BMP or .JPG Graphic  ",   520,
        "*.BMP;*.JPG",      "Graphic Files|*.JPG;*.BMP",        "Select a Graphic File",
        {"*.jpg", "*.bmp"}, "No Graphic file has been selected"};
    static const PickerDescription voice{"TGetAudioForm",
                                         " Select a .WAV  Audio  file ",
                                         530,
                                         "*.WAV",
                                         "WAV Files|*.WAV",
                                         "Select a WAV Voice File",
                                         {"*.wav"},
                                         "No Voice file has been selected"};
    static const PickerDescription midi{
        "TGetMidiForm",     " Select a MIDI file ", 580,       "*.MID",
        "MIDI Sound|*.mid", "Copy a MIDI file",     {"*.mid"}, "No MIDI file has been selected"};
    static const PickerDescription video{"TGetVideoForm",
                                         " Select .AVI Video file ",
                                         570,
                                         "*.AVI",
                                         "AVI Files|*.avi",
                                         "Select an AVI File",
                                         {"*.avi"},
                                         "No Video file has been selected"};
    static const PickerDescription program{"TGetExeForm",
                                           " Enter Executable filename ",
                                           545,
                                           "*.exe;*.com;*.bat",
                                           "Executable Files|*.exe;*.com;*.bat",
                                           "Select Executable File",
                                           {"*.exe", "*.com", "*.bat"},
                                           "No executable file has been selected"};
    static const PickerDescription html{"TGetHTMForm",
                                        " Enter HTML filename ",
                                        547,
                                        "*.htm",
                                        "HTML Files|*.HTM",
                                        "Select HTML Web Browser File",
                                        {"*.htm"},
                                        "No HTML file has been selected"};
    switch (kind) {
    case PickerKind::Graphic:
        return graphic;
    case PickerKind::Voice:
        return voice;
    case PickerKind::Midi:
        return midi;
    case PickerKind::Video:
        return video;
    case PickerKind::Program:
        return program;
    case PickerKind::Html:
        break;
    }
    return html;
}

const PickerDescription& DescribeSoundOfGraphicAndSound() {
    static const PickerDescription sound{
        "TGetGrAudioForm",  " Select .WAV or .MID Audio  ",   560,
        "*.WAV;*.MID",      "Sound Files|*.WAV;*.MID",        "Select a Sound File",
        {"*.WAV", "*.MID"}, "No Sound file has been selected"};
    return sound;
}

void SetPickerLook(QWidget& form) {
    form.setWindowTitle(QStringLiteral("Press F1 for Help"));
    form.setToolTip(QStringLiteral(" Press F1 for Help"));
    QPalette palette = form.palette();
    palette.setColor(QPalette::Window, QColor(0x00, 0x80, 0x80));
    form.setPalette(palette);
    form.setAutoFillBackground(true);
}

QStringList PickerFolderList(const std::filesystem::path& quizFolder, const QString& masks) {
    QStringList names;
    for (const QString& mask : masks.split(';')) {
        for (const std::string& name : ListStoredMatching(quizFolder, StoredText(mask))) {
            const QString entry = ShownText(name);
            if (!names.contains(entry)) {
                names.append(entry);
            }
        }
    }
    names.sort(Qt::CaseInsensitive);
    return names;
}

void LayOutChoiceDialog(QWidget& form, QWidget& group, QPushButton& ok, QPushButton& cancel) {
    ok.setObjectName(QStringLiteral("OKBtn"));
    cancel.setObjectName(QStringLiteral("CancelBtn"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(&ok);
    buttons->addWidget(&cancel);
    auto* layout = new QVBoxLayout(&form);
    layout->addWidget(&group);
    layout->addLayout(buttons);
}

bool ConfirmStorableName(Platform& platform, QLineEdit& box) {
    const std::string refusal = UnstorableNameRefusal(box.text().toStdString());
    if (refusal.empty()) {
        return true;
    }
    platform.ShowError(QString::fromStdString(refusal));
    box.setFocus();
    return false;
}

bool ConfirmDurationBox(Platform& platform, QLineEdit& box) {
    if (box.text().isEmpty()) {
        box.setText(QStringLiteral("0"));
        return true;
    }
    if (!IsWholeNumber(box.text().toStdString())) {
        platform.ShowError(QStringLiteral("That is not a valid number"));
        box.setText(QStringLiteral("0"));
        box.setFocus();
        return false;
    }
    return true;
}

std::optional<QString> AskAndImportFile(Platform& platform, const std::filesystem::path& quizFolder,
                                        FileDialogRequest request, const QString& nameBox,
                                        const std::vector<std::string>& presetMasks) {
    request.startFolder = QString::fromStdU16String(quizFolder.u16string());
    request.mustExist = true;
    const std::optional<QString> chosen = platform.GetOpenFileName(request);
    if (!chosen) {
        return std::nullopt;
    }
    const std::filesystem::path path(chosen->toStdU16String());
    const std::string refusal = UnstorableNameRefusal(path.filename().string());
    if (!refusal.empty()) {
        platform.ShowError(QString::fromStdString(refusal));
        return std::nullopt;
    }
    const bool copy =
        platform.AskYesNo(QStringLiteral("Copy the file %1 to the Project directory?")
                              .arg(QString::fromStdU16String(path.filename().u16string())));
    try {
        return ShownText(TakeFoundFile(quizFolder, path, copy, StoredText(nameBox), presetMasks));
    } catch (const FileError& error) {
        platform.ShowError(QString::fromStdString(error.what()));
        return ShownText(TakeFoundFile(quizFolder, path, false, StoredText(nameBox), presetMasks));
    }
}

std::optional<QString> FindFileIntoQuizFolder(Platform& platform,
                                              const std::filesystem::path& quizFolder,
                                              const PickerDescription& picker,
                                              const QString& nameBox,
                                              const std::vector<std::string>& presetMasks) {
    FileDialogRequest request;
    request.caption = picker.findTitle;
    request.filter = picker.findFilter;
    request.helpContext = kOpenDialogHelp;
    return AskAndImportFile(platform, quizFolder, request, nameBox, presetMasks);
}

QString CurrentTopicCaption() {
    return currentTopic();
}

void SetCurrentTopicCaption(const QString& name) {
    currentTopic() = name;
}

} // namespace tavrin
