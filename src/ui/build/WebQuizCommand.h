#pragma once

#include "core/project/ProjectState.h"
#include "platform/Platform.h"
#include "ui/build/TDistribForm.h"

namespace tavrin {

// The web player's files in the program folder.
inline constexpr const char* kWebPlayerFolder = "web";

// Compiles the quiz and writes its web quiz into the chosen folder (with
// `scorm`, the package NAME.zip there), showing progress while it works.
// Every missing file is named in an error box and nothing is written; at the
// end the export report is shown. Returns true when the web quiz was written.
bool ExportWebQuizCommand(Platform& platform, ProjectState& state,
                          const DistributionChoice& choice);

} // namespace tavrin
