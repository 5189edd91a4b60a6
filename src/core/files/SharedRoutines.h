#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/files/FileIO.h"

namespace tavrin {

// The file name without folder (after the last `\`, `/` or `:`) and without
// the part from its last point on: "C:\QUIZ\MY.TEST.QAJ" gives "MY.TEST".
std::string QuizBaseName(std::string_view path);

// The same name with its extension replaced (".TIQ" for ".TIJ", say); a name
// without a point gets the extension appended.
std::string ReplaceExtension(std::string_view path, std::string_view extension);

// False when the name holds `"` or any of * + , / : ; < = > ? [ ] |.
// Everything else, the empty name included, is accepted.
bool IsValidFileName(std::string_view name);

// The strict text-to-integer conversion used for numbers in quiz files:
// optional leading blanks, an optional sign, then decimal digits or "$" (or
// "0x") and hexadecimal digits, and nothing after. Hexadecimal takes the full
// 32 bits ("$FFFFFFFF" is -1); decimal must fit a signed 32-bit integer.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text);
bool IsWholeNumber(std::string_view text);

// Looks for the stored `name` (wildcards allowed, case ignored) in the quiz folder; on a
// match stores the stored form of the matched name, without folder, in `found`.
bool FindInQuizFolder(const std::filesystem::path& quizFolder, std::string_view name,
                      std::string& found);

// Result codes of the block copies.
enum CopyResult : int {
    kCopied = 0,
    kCopySameName = 1,
    kCopySourceUnreadable = 2,
    kCopyDestinationUncreatable = 3,
    kCopyShortWrite = 4,
};

// Appends the whole source file to an output being written; 0, 2 or 4.
int AppendFileTo(const std::filesystem::path& source, AtomicFileWriter& output);

// Copies source into destination, or into destination/<source name> when
// destination is an existing folder; a copied program keeps its run bits.
// Throws FileError naming the file at fault.
void CopyFileInto(const std::filesystem::path& source, const std::filesystem::path& destination,
                  DiskSync sync = DiskSync::kSync);

} // namespace tavrin
