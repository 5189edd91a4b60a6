#include "core/files/NotesFile.h"

#include "core/bytes/Cp1252.h"
#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"
#include "core/files/TextLines.h"

#include <algorithm>
#include <string_view>
#include <system_error>

namespace tavrin {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Whether every character survives the trip through Windows-1252.
bool FitsWindows1252(std::string_view utf8) {
    return cp1252::toUtf8(cp1252::fromUtf8(utf8)) == utf8;
}

} // namespace

NotesText DecodeNotes(std::string_view bytes) {
    NotesText text;
    if (bytes.starts_with(kUtf8Mark)) {
        bytes.remove_prefix(kUtf8Mark.size());
        text.encoding = NotesEncoding::Utf8;
    } else if (!IsAscii(bytes) && cp1252::isValidUtf8(bytes)) {
        text.encoding = NotesEncoding::Utf8;
    }
    text.lines = SplitLines(text.encoding == NotesEncoding::Utf8 ? std::string(bytes)
                                                                 : cp1252::toUtf8(bytes));
    return text;
}

NotesText ReadNotesFile(const std::filesystem::path& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > kMaxNotesFileSize)
        throw FileError(path, "the file is too large to be edited as notes (more than " +
                                  std::to_string(kMaxNotesFileSize / (1024 * 1024)) + " MB)");
    const std::string bytes = ReadFileText(path);
    if (bytes.find('\0') != std::string::npos)
        throw FileError(path, "the file is not a text file");
    return DecodeNotes(bytes);
}

std::string EncodeNotes(const std::vector<std::string>& lines, NotesEncoding encoding) {
    const std::string utf8 = JoinLinesCrLf(lines);
    if (encoding == NotesEncoding::Windows1252 && FitsWindows1252(utf8))
        return cp1252::fromUtf8(utf8);
    return utf8;
}

void WriteNotesFile(const std::filesystem::path& path, const std::vector<std::string>& lines,
                    NotesEncoding encoding) {
    WriteFileAtomically(path, EncodeNotes(lines, encoding));
}

} // namespace tavrin
