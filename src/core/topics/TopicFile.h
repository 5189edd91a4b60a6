#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/ViewPortDesign.h"

namespace tavrin {

// The topic file of a quiz (NAME.QAR, NAME.TIR, NAME.MCR): sectioned CR LF
// text holding every question's information, the score groups' feedback and
// the introduction. Each topic is known by its name and its source ("HYPER"
// or "INTRO"), both compared without regard to letter case.
//
// All routines take the file's full path. Appending adds to the end of the
// file; every other change rewrites it whole and atomically, so a failure
// leaves the previous file in place. Failures throw FileError naming the file;
// bad values FormatError. A missing file reads as one without topics.

void AppendCommandTopic(const std::filesystem::path& topicFile, std::string_view name,
                        std::int32_t linkType, std::string_view command, std::string_view source);
void AppendDisplayTopic(const std::filesystem::path& topicFile, std::string_view name,
                        std::int32_t linkType, const ViewPortDesign& design,
                        const std::vector<std::string>& text, std::string_view source);
void AppendIntroduction(const std::filesystem::path& topicFile,
                        const std::vector<std::string>& text);

// Replace every topic (oldName, source) in its place by the new topic, named
// newName. True when one was replaced; when none was, the new topic is
// appended instead (and false returned) so the author's work is kept.
bool ReplaceCommandTopic(const std::filesystem::path& topicFile, std::string_view newName,
                         std::string_view oldName, std::int32_t linkType, std::string_view command,
                         std::string_view source);
bool ReplaceDisplayTopic(const std::filesystem::path& topicFile, std::string_view newName,
                         std::string_view oldName, std::int32_t linkType,
                         const ViewPortDesign& design, const std::vector<std::string>& text,
                         std::string_view source);
// Puts the new introduction in the place of the stored one (added at the end
// when there is none).
void ReplaceIntroduction(const std::filesystem::path& topicFile,
                         const std::vector<std::string>& text);

// Removes every topic (name, source) and the empty line after it; true when
// one was removed. The file is deleted when nothing but empty lines remains.
bool DeleteTopic(const std::filesystem::path& topicFile, std::string_view name,
                 std::string_view source);

// The last topic (name, source): `lines` is replaced by its stored name (no
// brackets), its source line and every following line up to and including
// the closing "]". False, with `lines` untouched, when there is none.
bool FindTopic(const std::filesystem::path& topicFile, std::string_view name,
               std::string_view source, std::vector<std::string>& lines);

// True when a topic (newName, source) is stored, except that it is false when
// the file is missing or newName equals oldName (case ignored).
bool TopicExists(const std::filesystem::path& topicFile, std::string_view newName,
                 std::string_view oldName, std::string_view source);

// Appends the name of every topic of that source, in file order.
void ListTopicsForSource(std::vector<std::string>& names, const std::filesystem::path& topicFile,
                         std::string_view source);

// Appends the introduction's text lines; false when there is none.
bool ReadIntroduction(const std::filesystem::path& topicFile, std::vector<std::string>& text);

// Converts the command values of a topic file of the earlier format
// ("picture.bmp 50" becomes "picture.bmp,50"). Nothing when the file is missing.
void UpgradeTopicFile(const std::filesystem::path& topicFile);

} // namespace tavrin
