#include "core/files/PickedFile.h"

#include "core/files/FolderNames.h"
#include "core/files/SharedRoutines.h"

namespace tavrin {
namespace {

std::string firstMatch(const std::filesystem::path& quizFolder,
                       const std::vector<std::string>& masks) {
    std::string found;
    for (const std::string& mask : masks) {
        if (FindInQuizFolder(quizFolder, mask, found)) {
            return found;
        }
    }
    return {};
}

// The stored spelling of `name` in the quiz folder, or empty.
std::string inQuizFolder(const std::filesystem::path& quizFolder, std::string_view name) {
    std::string found;
    if (name.empty() || name.find_first_of("*?") != std::string_view::npos) {
        return {};
    }
    return FindInQuizFolder(quizFolder, name, found) ? found : std::string();
}

} // namespace

std::string PresetPickerFile(const std::filesystem::path& quizFolder, std::string_view current,
                             const std::vector<std::string>& masks) {
    std::string name =
        inQuizFolder(quizFolder, current).empty() ? std::string() : std::string(current);
    return name.empty() ? firstMatch(quizFolder, masks) : name;
}

std::string TakeFoundFile(const std::filesystem::path& quizFolder,
                          const std::filesystem::path& chosen, bool copy, std::string_view nameBox,
                          const std::vector<std::string>& masks) {
    // A file whose name a quiz cannot store is neither copied nor taken.
    const std::string chosenName = StoredName(chosen.filename().string()).value_or("");
    if (copy && !chosenName.empty() && inQuizFolder(quizFolder, chosenName).empty()) {
        CopyFileInto(chosen, quizFolder / chosen.filename());
    }
    std::string candidate(nameBox);
    const std::string stored = inQuizFolder(quizFolder, chosenName);
    if (!stored.empty()) {
        candidate = stored;
    }
    return candidate.empty() ? firstMatch(quizFolder, masks) : candidate;
}

} // namespace tavrin
