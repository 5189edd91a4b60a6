#pragma once

#include <QString>
#include <filesystem>
#include <optional>

namespace tavrin {

class Platform;

// "Find File" of the program presentation dialogs: the author picks a file
// (the open dialog is asked with `caption` and `filter`) and may copy it into
// the quiz folder, where a file of the same name is never overwritten. The
// result is the bare name when the quiz folder now holds the chosen file, and
// `editText` otherwise, so a file outside the quiz folder is never named.
// Nothing when the dialog was cancelled. A failed copy is reported and leaves
// `editText`.
std::optional<QString> ImportToQuizFolder(Platform& platform,
                                          const std::filesystem::path& quizFolder,
                                          const QString& caption, const QString& filter,
                                          const QString& editText);

} // namespace tavrin
