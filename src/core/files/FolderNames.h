#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

// Names stored in quiz files come from a system where case does not matter and
// `\` separates folders, and they are Windows-1252 while names on disk are
// UTF-8. Every lookup of a stored name goes through here, converting at the
// file system.

// Upper-cases a to z only; other bytes are kept.
std::string UpperAscii(std::string_view text);
bool EqualNoCase(std::string_view a, std::string_view b);

// A stored name as it is spelled on disk.
std::string DiskName(std::string_view stored);
// The stored form of a name on disk; none when a character of it has no
// Windows-1252 form, so that no quiz can name the file.
std::optional<std::string> StoredName(std::string_view diskName);
// The author's message for a file that a quiz cannot name; empty when it can.
std::string UnstorableNameRefusal(std::string_view diskName);

// Splits a stored name at `\` and `/`, dropping empty parts and a leading drive ("C:").
std::vector<std::string> SplitStoredPath(std::string_view stored);

// Wildcard match with `*` and `?`, without regard to case. "*.*" matches every name.
bool MatchesMask(std::string_view name, std::string_view mask);

// Finds the file or folder that a stored name refers to inside `folder`,
// matching each part of the name without regard to case, accented letters
// included (an exact match wins).
std::optional<std::filesystem::path> ResolveInFolder(const std::filesystem::path& folder,
                                                     std::string_view storedName);

// Names on disk (not paths) of the entries in `folder` that match `mask`,
// sorted without regard to case. A missing or unreadable folder gives an
// empty list.
std::vector<std::string> ListMatching(const std::filesystem::path& folder, std::string_view mask);

// The same for stored names: the stored form of each entry that has one and
// matches the stored `mask`.
std::vector<std::string> ListStoredMatching(const std::filesystem::path& folder,
                                            std::string_view mask);

// The file a stored name refers to: a relative name inside the quiz folder,
// an absolute one from the root, each part matched without regard to case.
// Only regular files count.
std::optional<std::filesystem::path> ResolveStoredFile(const std::filesystem::path& quizFolder,
                                                       std::string_view stored);
// The same for a name given as on disk (a quiz's own files, a typed command).
std::optional<std::filesystem::path> ResolveDiskFile(const std::filesystem::path& quizFolder,
                                                     std::string_view diskName);

} // namespace tavrin
