#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/interchange/InterchangeQuestion.h"

namespace tavrin::interchange {

enum class Format { Gift, MoodleXml, Aiken, Csv };

// "gift", "moodle", "aiken", "csv" (case ignored).
std::optional<Format> FormatNamed(std::string_view name);

// The format of a file by its extension (.gift, .xml, .csv), else by its
// text: Aiken when it has ANSWER: lines and no braces, GIFT otherwise.
Format GuessFormat(const std::filesystem::path& path, std::string_view text);

// Reads the questions of an interchange file. A file that cannot be read is
// a FileError; one that is too large, not text, or not of the format is a
// FormatError whose message names the file and says why.
ReadResult ReadQuestionsFile(const std::filesystem::path& path, std::optional<Format> format);

} // namespace tavrin::interchange
