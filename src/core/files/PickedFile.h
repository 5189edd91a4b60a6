#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

// The file a picker starts with: a name that no longer lies in the quiz
// folder is dropped, and an empty one is preset with the first file of the
// quiz folder that matches the masks, tried in order.
std::string PresetPickerFile(const std::filesystem::path& quizFolder, std::string_view current,
                             const std::vector<std::string>& masks);

// Names in and out are stored names (Windows-1252).
//
// The name a picker takes after "Find File" chose `chosen` (a full path):
// with `copy` the file is copied into the quiz folder unless a file of that
// name already lies there (which is never overwritten); then the chosen name
// is taken when the quiz folder holds it, otherwise the name box's text, and
// an empty result is preset from the masks. A chosen file whose name has no
// stored form is neither copied nor taken. Copy failures throw FileError.
std::string TakeFoundFile(const std::filesystem::path& quizFolder,
                          const std::filesystem::path& chosen, bool copy, std::string_view nameBox,
                          const std::vector<std::string>& masks);

} // namespace tavrin
