#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"

class QLineEdit;
class QPushButton;

class QWidget;

namespace tavrin {

enum class PickerKind;

// What distinguishes one picker from another: its form name, captions, the
// quiz folder list's mask, the open dialog's filter and title, the masks a
// missing name is preset from, and the message for an empty name.
struct PickerDescription {
    QString formName;
    QString groupCaption;
    int helpContext;
    QString listMask;
    QString findFilter;
    QString findTitle;
    std::vector<std::string> presetMasks;
    QString emptyMessage;
};

const PickerDescription& DescribePicker(PickerKind kind);

// The sound half of the graphic-and-sound picker.
const PickerDescription& DescribeSoundOfGraphicAndSound();

// Caption, background and window style shared by the pickers and menus.
void SetPickerLook(QWidget& form);

// The choice dialogs' layout: the group of choices above OK and Cancel.
void LayOutChoiceDialog(QWidget& form, QWidget& group, QPushButton& ok, QPushButton& cancel);

// Names of the quiz folder's files matching "*.A;*.B", sorted; a file whose
// name a quiz cannot store is not offered.
QStringList PickerFolderList(const std::filesystem::path& quizFolder, const QString& masks);

// Runs the open dialog of `request` in the quiz folder, asks whether to copy
// the chosen file into the quiz folder (never over a file of that name) and
// returns the name the name box takes: the bare name when the quiz folder
// holds the file, else `nameBox` or the first file of `presetMasks`. Nothing
// when the dialog was cancelled or the chosen file's name cannot be stored in
// a quiz (that is reported). A failed copy is reported.
std::optional<QString> AskAndImportFile(Platform& platform, const std::filesystem::path& quizFolder,
                                        FileDialogRequest request, const QString& nameBox,
                                        const std::vector<std::string>& presetMasks);

// "Find File": runs the open dialog, asks whether to copy the chosen file into
// the quiz folder, and returns the name the name box takes; nothing when the
// dialog was cancelled. Copy failures are reported and leave the name box.
std::optional<QString> FindFileIntoQuizFolder(Platform& platform,
                                              const std::filesystem::path& quizFolder,
                                              const PickerDescription& picker,
                                              const QString& nameBox,
                                              const std::vector<std::string>& presetMasks);

// Leaving a duration box: empty becomes "0"; text that is no whole number is
// refused with a message, reset to "0" and focused. False when refused.
bool ConfirmDurationBox(Platform& platform, QLineEdit& box);
// A typed file name that a quiz cannot store is refused with a message and
// focused. False when refused.
bool ConfirmStorableName(Platform& platform, QLineEdit& box);

// The name of the topic being edited or shown, the display windows' caption.
QString CurrentTopicCaption();
void SetCurrentTopicCaption(const QString& name);

} // namespace tavrin
