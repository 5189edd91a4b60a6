#include "core/web/MediaFolder.h"

#include <algorithm>

#include "core/bytes/FileError.h"
#include "core/files/FolderNames.h"
#include "core/files/SharedRoutines.h"

namespace tavrin {
namespace fs = std::filesystem;
namespace {

bool climbsOut(const std::vector<std::string>& parts) {
    return std::any_of(parts.begin(), parts.end(), [](const std::string& p) { return p == ".."; });
}

bool fitsAsFileName(std::string_view name) {
    if (name.empty() || name == "." || name == "..")
        return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == ':' || c == '/' || c == '\\';
    });
}

std::string withSuffix(const std::string& name, int number) {
    const auto dot = name.rfind('.');
    const std::string suffix = "-" + std::to_string(number);
    return dot == std::string::npos || dot == 0 ? name + suffix
                                                : name.substr(0, dot) + suffix + name.substr(dot);
}

} // namespace

std::optional<std::string> BareMediaName(std::string_view stored) {
    const auto parts = SplitStoredPath(stored);
    if (parts.empty() || climbsOut(parts))
        return std::nullopt;
    std::string bare = DiskName(parts.back());
    if (!fitsAsFileName(bare))
        return std::nullopt;
    return bare;
}

MediaFolder::MediaFolder(fs::path quizFolder, fs::path folder, MediaConverter& converter,
                         std::vector<std::string>& report)
    : quizFolder_(std::move(quizFolder)), folder_(std::move(folder)), converter_(converter),
      report_(report) {}

MediaPlacement MediaFolder::place(std::string_view stored) {
    if (stored.empty())
        return {};
    const std::string key = UpperAscii(stored);
    if (const auto known = placed_.find(key); known != placed_.end())
        return known->second;
    MediaPlacement placement = placeNew(stored);
    placed_.emplace(key, placement);
    return placement;
}

MediaPlacement MediaFolder::refuse(std::string_view stored, std::string reason) {
    report_.push_back("refused " + DiskName(stored) + ": " + reason);
    return {std::string(), std::move(reason)};
}

MediaPlacement MediaFolder::placeNew(std::string_view stored) {
    const auto bare = BareMediaName(stored);
    if (!bare)
        return refuse(stored,
                      "The file name " + DiskName(stored) + " cannot be used in a web quiz.");
    const auto source = ResolveStoredFile(quizFolder_, stored);
    if (!source)
        return refuse(stored, "The file " + DiskName(stored) + " is missing.");
    const MediaTreatment treatment = TreatmentOf(*bare);
    if (treatment == MediaTreatment::Refuse)
        return refuse(stored, RefusalReason(treatment) + " (" + *bare + ")");

    std::error_code ec;
    fs::create_directories(folder_, ec);
    const std::string name = uniqueName(TreatedName(*bare, treatment));
    const fs::path target = folder_ / name;
    if (treatment == MediaTreatment::Copy) {
        CopyFileInto(*source, target, DiskSync::kNoSync);
        report_.push_back("copied " + DiskName(stored) + " to media/" + name);
    } else {
        const std::string failure = converter_.convert(treatment, *source, target);
        if (!failure.empty() || !fs::is_regular_file(target, ec)) {
            fs::remove(target, ec);
            return refuse(stored, "The file " + *bare + " could not be converted for a browser (" +
                                      (failure.empty() ? "no output" : failure) + ").");
        }
        report_.push_back("converted " + DiskName(stored) + " to media/" + name);
    }
    files_.push_back(name);
    return {name, std::string()};
}

std::string MediaFolder::uniqueName(const std::string& wanted) {
    std::string name = wanted;
    for (int number = 2; takenNames_.contains(UpperAscii(name)); ++number)
        name = withSuffix(wanted, number);
    takenNames_.insert(UpperAscii(name));
    return name;
}

} // namespace tavrin
