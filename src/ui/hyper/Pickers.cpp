#include "ui/hyper/Pickers.h"

#include <QLineEdit>

#include "platform/Platform.h"
#include "ui/hyper/TFilePickerForm.h"
#include "ui/hyper/TTypedNameForm.h"

namespace tavrin {
namespace {

bool pickOneFile(Platform& platform, PickerKind kind, const std::filesystem::path& quizFolder,
                 QString& command, QString& file, QWidget* parent) {
    TFilePickerForm form(platform, kind, quizFolder, parent);
    form.setValue(file, 0);
    if (platform.RunModal(form) != QDialog::Accepted) {
        return false;
    }
    file = form.file();
    command = form.command();
    return true;
}

bool typeName(Platform& platform, TypedNameKind kind, const std::filesystem::path& quizFolder,
              QString& value, QWidget* parent) {
    TTypedNameForm form(platform, kind, quizFolder, parent);
    form.Edit1->setText(value);
    if (platform.RunModal(form) != QDialog::Accepted) {
        return false;
    }
    value = form.Edit1->text();
    return true;
}

} // namespace

bool PickGraphic(Platform& platform, const std::filesystem::path& quizFolder, QString& command,
                 QString& file, int& duration, QWidget* parent) {
    TFilePickerForm form(platform, PickerKind::Graphic, quizFolder, parent);
    form.setValue(file, duration);
    if (platform.RunModal(form) != QDialog::Accepted) {
        return false;
    }
    file = form.file();
    duration = form.duration();
    command = form.command();
    return true;
}

bool PickVoice(Platform& platform, const std::filesystem::path& quizFolder, QString& command,
               QString& file, QWidget* parent) {
    return pickOneFile(platform, PickerKind::Voice, quizFolder, command, file, parent);
}

bool PickMidi(Platform& platform, const std::filesystem::path& quizFolder, QString& command,
              QString& file, QWidget* parent) {
    return pickOneFile(platform, PickerKind::Midi, quizFolder, command, file, parent);
}

bool PickVideo(Platform& platform, const std::filesystem::path& quizFolder, QString& command,
               QString& file, QWidget* parent) {
    return pickOneFile(platform, PickerKind::Video, quizFolder, command, file, parent);
}

bool PickProgram(Platform& platform, const std::filesystem::path& quizFolder, QString& value,
                 QWidget* parent) {
    QString file = value;
    return pickOneFile(platform, PickerKind::Program, quizFolder, value, file, parent);
}

bool PickHtml(Platform& platform, const std::filesystem::path& quizFolder, QString& value,
              QWidget* parent) {
    QString file = value;
    return pickOneFile(platform, PickerKind::Html, quizFolder, value, file, parent);
}

bool PickWindowsProgram(Platform& platform, const std::filesystem::path& quizFolder, QString& value,
                        QWidget* parent) {
    return typeName(platform, TypedNameKind::WindowsProgram, quizFolder, value, parent);
}

bool PickNotesFile(Platform& platform, const std::filesystem::path& quizFolder, QString& file,
                   QWidget* parent) {
    return typeName(platform, TypedNameKind::NotesFile, quizFolder, file, parent);
}

} // namespace tavrin
