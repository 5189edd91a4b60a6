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

void RecordingPresenter::PrepareMediaWindows(const QString& caption, const std::string& instruction,
                                             bool advisory) {
    calls.push_back("media " + caption.toStdString() + " / " + instruction +
                    (advisory ? " / advisory" : ""));
}

void RecordingPresenter::ShowTopic(const std::vector<std::string>& lines) {
    std::string joined = "topic";
    for (const auto& line : lines)
        joined += "|" + line;
    calls.push_back(joined);
}

void RecordingPresenter::ShowMultimedia(const QString& caption, const std::string& command) {
    calls.push_back("multimedia " + caption.toStdString() + " " + command);
}

void RecordingPresenter::RunProgram(int linkType, const std::string& command) {
    calls.push_back("program " + std::to_string(linkType) + " " + command);
}

void RecordingPresenter::OpenDocument(const std::string& command) {
    calls.push_back("document " + command);
}

void RecordingPresenter::ShowAboutBox(const AboutBoxDesign& design) {
    calls.push_back("about " + std::to_string(design.whenToShow()));
}

void RecordingPresenter::ShowIntroduction(const std::vector<std::string>& lines,
                                          const ProgramScreens&, const ProgramWindow&) {
    calls.push_back("introduction " + std::to_string(lines.size()));
}

QString QuitText() {
    return "All results will be lost. Quit anyway?\r\n";
}

void ShowAboutBox(QuizSettings& settings, int when) {
    auto screens = settings.programScreens();
    screens.setShowAboutBox(true);
    auto about = screens.aboutBox();
    about.setWhenToShow(when);
    screens.setAboutBox(about);
    settings.setProgramScreens(screens);
}

void CloseResults(ScriptedPlatform& platform) {
    platform.onDialog("TResultsForm", [](QDialog& dialog) { click(dialog, "OKBtn"); });
}

} // namespace tavrin::test
