#pragma once

#include <filesystem>

#include "cli/Report.h"

namespace tavrin::cli {

// Describes any file of a quiz, chosen by its extension (and, for programs and
// unknown extensions, by its content): quiz file, question file, topic file,
// compiled quiz or executable quiz. Throws FileError or FormatError.
void ReportQuizFile(const std::filesystem::path& file, Report& out);

} // namespace tavrin::cli
