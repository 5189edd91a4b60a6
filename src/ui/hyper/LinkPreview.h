#pragma once

#include <QString>
#include <filesystem>
#include <string>
#include <vector>

#include "core/settings/ViewPortDesign.h"

namespace tavrin {

class Platform;

// The one way the pickers and editors show what a link will look like: in
// the windows a learner sees, with files taken from the quiz folder.
void PreviewMultimedia(Platform& platform, const QString& caption, const std::string& command,
                       const std::filesystem::path& quizFolder);
void PreviewFormattedText(Platform& platform, const ViewPortDesign& design,
                          const std::vector<std::string>& textLines);
void PreviewTextScreen(Platform& platform, const std::filesystem::path& quizFolder,
                       const ViewPortDesign& design, const std::vector<std::string>& textLines);
// The notes editor on a typed notes-file name, looked up in the quiz folder;
// a name that is not there yet opens an empty text that Save creates.
void PreviewNotesFile(Platform& platform, const std::filesystem::path& quizFolder,
                      const QString& name);
// LinkType 4 ("program,parameters") and 9 ("program document"), the value as
// stored; a program that cannot be started is reported with the reason.
void RunLinkedProgram(Platform& platform, int linkType, const std::string& value,
                      const std::filesystem::path& quizFolder);

} // namespace tavrin
