#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/web/MediaConverter.h"
#include "core/web/WebQuizData.h"

namespace tavrin {

struct WebExportRequest {
    std::filesystem::path compiledQuiz;  // NAME.QAC, NAME.TIC or NAME.MCC
    std::filesystem::path quizFolder;    // where its media are looked up
    std::filesystem::path playerFolder;  // the program folder's web/ (index.html, ...)
    std::filesystem::path destination;   // the folder, or the zip file of a package
    bool scorm = false;                  // a SCORM 1.2 package instead of a folder
    MediaConverter* converter = nullptr; // none: the installed programs
    ExportProgress progress;
};

struct WebExportOutcome {
    bool exported = false;
    // Why nothing was exported, each for the author (names as on disk).
    std::vector<std::string> messages;
    // Each file copied, each conversion, each refusal, in order.
    std::vector<std::string> report;
};

// Writes a web quiz: the player, quiz-data.js and the media in media/; with `scorm`, the same
// zipped with imsmanifest.xml. Everything is checked first (a damaged compiled quiz, the player,
// every file the quiz names), so a refused export writes nothing. Media a browser cannot play are
// converted or refused, never silently. A file that cannot be written throws
// FileError naming it.
class WebQuizExporter {
public:
    static WebExportOutcome Export(const WebExportRequest& request);

    // The files of the player that every export carries.
    static const std::vector<std::string>& PlayerFiles();
};

} // namespace tavrin
