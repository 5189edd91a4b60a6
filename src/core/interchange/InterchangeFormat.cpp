#include "core/interchange/InterchangeFormat.h"

#include <system_error>

#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"
#include "core/files/FolderNames.h"
#include "core/interchange/AikenReader.h"
#include "core/interchange/CsvTable.h"
#include "core/interchange/GiftReader.h"
#include "core/interchange/InterchangeText.h"
#include "core/interchange/MoodleXmlReader.h"

namespace tavrin::interchange {
namespace fs = std::filesystem;

std::optional<Format> FormatNamed(std::string_view name) {
    const std::string upper = UpperAscii(name);
    if (upper == "GIFT")
        return Format::Gift;
    if (upper == "MOODLE")
        return Format::MoodleXml;
    if (upper == "AIKEN")
        return Format::Aiken;
    if (upper == "CSV")
        return Format::Csv;
    return std::nullopt;
}

Format GuessFormat(const fs::path& path, std::string_view text) {
    const std::string extension = UpperAscii(path.extension().string());
    if (extension == ".XML")
        return Format::MoodleXml;
    if (extension == ".CSV")
        return Format::Csv;
    if (extension == ".GIFT")
        return Format::Gift;
    const bool answers =
        text.find("\nANSWER:") != std::string_view::npos || text.substr(0, 7) == "ANSWER:";
    return answers && text.find('{') == std::string_view::npos ? Format::Aiken : Format::Gift;
}

ReadResult ReadQuestionsFile(const fs::path& path, std::optional<Format> format) {
    std::error_code error;
    const auto size = fs::file_size(path, error);
    if (error)
        throw FileError(path, "cannot be read: " + error.message());
    if (size > kMaxFileBytes)
        throw FormatError(path.string() + " cannot be imported: it is larger than " +
                          std::to_string(kMaxFileBytes / (1024 * 1024)) + " MB");
    std::string bytes = ReadFileText(path);
    try {
        std::vector<std::string> notes;
        std::string text = DecodeTextFile(std::move(bytes), notes);
        ReadResult result;
        switch (format.value_or(GuessFormat(path, text))) {
        case Format::Gift:
            result = ReadGift(text);
            break;
        case Format::MoodleXml:
            result = ReadMoodleXml(std::move(text));
            break;
        case Format::Aiken:
            result = ReadAiken(text);
            break;
        case Format::Csv:
            result = ReadCsv(text);
            break;
        }
        result.notes.insert(result.notes.begin(), notes.begin(), notes.end());
        return result;
    } catch (const FormatError& e) {
        throw FormatError(path.string() + " cannot be imported: " + e.what());
    }
}

} // namespace tavrin::interchange
