#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

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

    static void write(const std::filesystem::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string read(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

private:
    TempFolder root_;

public:
    const std::filesystem::path quiz = root_.path() / "quiz";
    const std::filesystem::path other = root_.path() / "other";
};

} // namespace tavrin
