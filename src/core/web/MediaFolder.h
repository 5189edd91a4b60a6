#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/web/MediaConverter.h"

namespace tavrin {

// The name a stored media name gets inside the export's media folder: its last
// part (folders, either separator and a drive letter dropped), as on disk.
// None for a name that climbs out with ".." or whose last part cannot be a
// file name, so that no file is ever placed outside the media folder.
std::optional<std::string> BareMediaName(std::string_view stored);

// Where a stored name ended up: `name` inside the media folder, or empty with
// the reason the learner is told.
struct MediaPlacement {
    std::string name;
    std::string refusal;
};

// Fills the export's media folder as the quiz data names files: each stored
// name is copied or converted once, under a name unique in the folder, and
// every copy, conversion and refusal is added to the report.
class MediaFolder {
public:
    MediaFolder(std::filesystem::path quizFolder, std::filesystem::path folder,
                MediaConverter& converter, std::vector<std::string>& report);

    // Empty names place nothing and are not refused.
    MediaPlacement place(std::string_view stored);

    // Names of the files placed, in order.
    const std::vector<std::string>& files() const { return files_; }

private:
    MediaPlacement placeNew(std::string_view stored);
    MediaPlacement refuse(std::string_view stored, std::string reason);
    std::string uniqueName(const std::string& wanted);

    std::filesystem::path quizFolder_;
    std::filesystem::path folder_;
    MediaConverter& converter_;
    std::vector<std::string>& report_;
    std::map<std::string, MediaPlacement> placed_; // by upper-cased stored name
    std::vector<std::string> files_;
    std::set<std::string> takenNames_; // upper-cased, so no two differ only in case
};

} // namespace tavrin
