#include "RunTestSupport.h"

#include <fstream>
#include <sstream>

#include "support/GuiTestSupport.h"

namespace tavrin::test {

MemoryQuizSource::MemoryQuizSource(QuizKind kind) : kind_(kind) {
    InitQuizSettings(settings_);
    std::random_device random;
    folder_ = std::filesystem::temp_directory_path() /
              ("tavrin-run-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(folder_);
}

MemoryQuizSource::~MemoryQuizSource() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::optional<std::vector<std::string>> MemoryQuizSource::findTopic(std::string_view name,
                                                                    std::string_view) const {
    const auto found = topics_.find(std::string(name));
    if (found == topics_.end())
        return std::nullopt;
    return found->second;
}

std::string MemoryQuizSource::readFile(const std::string& name) const {
    std::ifstream in(folder_ / name, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void RecordingPresenter::ShowTopic(const std::vector<std::string>& lines) {
    std::string joined = "topic";
    for (const auto& line : lines)
        joined += "|" + line;
    calls.push_back(joined);
}

QString QuitText() {
    return "All results will be lost. Quit anyway?\r\n";
}

void CloseResults(ScriptedPlatform& platform) {
    platform.onDialog("TResultsForm", [](QDialog& dialog) { click(dialog, "OKBtn"); });
}

} // namespace tavrin::test
