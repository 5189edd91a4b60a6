#pragma once

#include <QString>
#include <filesystem>

class QWidget;

namespace tavrin {

class Platform;

// Runners of the pickers; each takes the current values and, when the author
// pressed "&OK", returns true with the new ones. Callers preset the file
// (PresetPickerFile) before calling.
bool PickGraphic(Platform& platform, const std::filesystem::path& quizFolder, QString& command,
                 QString& file, int& duration, QWidget* parent = nullptr);
bool PickVoice(Platform& platform, const std::filesystem::path& quizFolder, QString& command,
               QString& file, QWidget* parent = nullptr);
bool PickMidi(Platform& platform, const std::filesystem::path& quizFolder, QString& command,
              QString& file, QWidget* parent = nullptr);
bool PickVideo(Platform& platform, const std::filesystem::path& quizFolder, QString& command,
               QString& file, QWidget* parent = nullptr);
// value: program, or program "," parameters.
bool PickProgram(Platform& platform, const std::filesystem::path& quizFolder, QString& value,
                 QWidget* parent = nullptr);
bool PickHtml(Platform& platform, const std::filesystem::path& quizFolder, QString& value,
              QWidget* parent = nullptr);
// value: a program, a blank and a document.
bool PickWindowsProgram(Platform& platform, const std::filesystem::path& quizFolder, QString& value,
                        QWidget* parent = nullptr);
bool PickNotesFile(Platform& platform, const std::filesystem::path& quizFolder, QString& file,
                   QWidget* parent = nullptr);

} // namespace tavrin
