#pragma once

#include <filesystem>

#include "tests/core/TempFolder.h"

namespace tavrin {

// A quiz folder and a folder elsewhere (where "Find File" picks files from),
// side by side in a fresh temporary folder.
class QuizFolders {
public:
    QuizFolders() {
        std::filesystem::create_directories(quiz);
        std::filesystem::create_directories(other);
    }

private:
    TempFolder root_;

public:
    const std::filesystem::path quiz = root_ / "quiz";
    const std::filesystem::path other = root_ / "other";
};

} // namespace tavrin
