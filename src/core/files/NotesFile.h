#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tavrin {

// How a notes file's bytes stand for its text. Files from the quiz formats'
// home are Windows-1252; a file that already holds UTF-8 stays UTF-8.
enum class NotesEncoding { Windows1252, Utf8 };

struct NotesText {
    std::vector<std::string> lines; // UTF-8, without line ends
    NotesEncoding encoding = NotesEncoding::Windows1252;
};

// A notes file larger than this is refused rather than loaded into the editor.
inline constexpr std::uintmax_t kMaxNotesFileSize = 8u * 1024u * 1024u;

// Reads a plain-text notes file. Throws FileError naming the file when it
// cannot be read, is larger than kMaxNotesFileSize, or holds NUL bytes (it is
// no text file, and saving it back as text would destroy it).
NotesText ReadNotesFile(const std::filesystem::path& path);

// Decodes notes bytes: UTF-8 when they start with its byte-order mark or hold
// valid UTF-8 beyond ASCII, otherwise Windows-1252.
NotesText DecodeNotes(std::string_view bytes);

// The bytes of the lines, each ended by CR LF. Text that Windows-1252 cannot
// hold is written as UTF-8 rather than lose characters.
std::string EncodeNotes(const std::vector<std::string>& lines, NotesEncoding encoding);

// Replaces the file atomically. Throws FileError naming the file.
void WriteNotesFile(const std::filesystem::path& path, const std::vector<std::string>& lines,
                    NotesEncoding encoding);

} // namespace tavrin
