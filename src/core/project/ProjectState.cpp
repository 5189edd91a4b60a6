#include "core/project/ProjectState.h"

#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"
#include "core/files/FolderNames.h"
#include "core/settings/SettingsConversion.h"
#include "core/files/SharedRoutines.h"

namespace tavrin {
namespace fs = std::filesystem;

namespace {

// A file of the quiz: the one on disk whose name matches without regard to
// case, or the name as given when there is none yet.
fs::path existingOrNamed(const fs::path& folder, const std::string& name) {
    if (auto found = ResolveDiskFile(folder, name))
        return *found;
    return folder / name;
}

} // namespace

ProjectState ProjectState::AtStartUp(const fs::path& programPath) {
    ProjectState state;
    state.programFolder = programPath.parent_path();
    state.quizFolder = state.programFolder;
    state.helpFile = state.programFolder / "DRAVLEN.HLP";
    return state;
}

std::string ProjectState::quizName() const {
    return QuizBaseName(quizFile.filename().string());
}

fs::path ProjectState::fileInQuizFolder(const std::string& extension) const {
    if (!hasQuiz())
        return {};
    return existingOrNamed(quizFolder, quizName() + extension);
}

fs::path ProjectState::compiledFile() const {
    return fileInQuizFolder(ExtensionsOf(quizKind).compiled);
}
fs::path ProjectState::executableFile() const {
    return fileInQuizFolder(".EXE");
}
fs::path ProjectState::resultsFile() const {
    return fileInQuizFolder(ExtensionsOf(quizKind).results);
}
fs::path ProjectState::swapFile() const {
    return fileInQuizFolder(ExtensionsOf(quizKind).swap);
}
fs::path ProjectState::temporaryFile() const {
    return fileInQuizFolder(".TMP");
}
fs::path ProjectState::indexFile() const {
    return fileInQuizFolder(".$$$");
}

void ProjectState::clearQuiz() {
    quizFile.clear();
    questionFile.clear();
    topicFile.clear();
}

std::string ProjectState::conversionQuestion() const {
    return quizFile.filename().string() +
           " was created with an earlier version of Tavrin. Would you like to convert it to "
           "the new version?";
}

OpenResult ProjectState::StartNewQuiz(const fs::path& folder, const std::string& name,
                                      const AskYesNo& ask,
                                      const TopicFileUpgrade& upgradeTopicFile) {
    if (!CreateOrEnterQuizFolder(folder))
        return OpenResult::kFolderUnavailable;
    quizFolder = folder;
    clearQuiz();
    if (name.empty())
        return OpenResult::kNotOpened;
    quizFile = folder / ReplaceExtension(name, ExtensionsOf(quizKind).quiz);
    return OpenQuiz(ask, upgradeTopicFile);
}

OpenResult ProjectState::SelectQuiz(const std::optional<fs::path>& chosen, const AskYesNo& ask,
                                    const TopicFileUpgrade& upgradeTopicFile) {
    if (chosen) {
        quizFolder = chosen->parent_path();
        std::error_code ignored;
        fs::current_path(quizFolder, ignored);
        quizFile =
            quizFolder / ReplaceExtension(chosen->filename().string(), ExtensionsOf(quizKind).quiz);
    }
    if (!hasQuiz())
        return OpenResult::kNotOpened;
    return OpenQuiz(ask, upgradeTopicFile);
}

OpenResult ProjectState::OpenQuiz(const AskYesNo& ask, const TopicFileUpgrade& upgradeTopicFile) {
    if (!hasQuiz())
        return OpenResult::kNotOpened;
    bool declined = false;
    try {
        openCurrentQuiz(ask, upgradeTopicFile, declined);
    } catch (...) {
        clearQuiz();
        throw;
    }
    if (declined) {
        clearQuiz();
        return OpenResult::kNotOpened;
    }
    return OpenResult::kOpened;
}

void ProjectState::openCurrentQuiz(const AskYesNo& ask, const TopicFileUpgrade& upgradeTopicFile,
                                   bool& declined) {
    const fs::path folder = quizFile.parent_path();
    const std::string name = quizFile.filename().string();
    quizFile = existingOrNamed(folder, name);
    const QuizExtensions& extensions = ExtensionsOf(quizKind);
    questionFile = existingOrNamed(folder, ReplaceExtension(name, extensions.questions));
    topicFile = existingOrNamed(folder, ReplaceExtension(name, extensions.topics));

    std::error_code ec;
    if (!fs::exists(quizFile, ec)) {
        QuizSettings fresh;
        InitQuizSettings(fresh, formatVersion);
        SaveQuizSettings(quizFile, fresh);
    } else if (IsEarlierQuizFile(quizFile)) {
        if (!ask || !ask(conversionQuestion())) {
            declined = true;
            return;
        }
        ConvertEarlierQuiz(upgradeTopicFile);
    }
    settings = LoadQuizSettings(quizFile);
    quizCaption = settings.programWindow().programTitle();
    mediaInstruction = settings.programScreens().mediaInstruction();
}

void ProjectState::ConvertEarlierQuiz(const TopicFileUpgrade& upgradeTopicFile) {
    const auto earlier = ReadFileRange(quizFile, 0, kEarlierSettingsSize);
    QuizSettings converted;
    try {
        converted = ConvertEarlierSettings(earlier, formatVersion);
    } catch (const FormatError& e) {
        throw FileError(quizFile, e.what());
    }
    SaveQuizSettings(quizFile, converted);
    settings = converted;
    if (upgradeTopicFile)
        upgradeTopicFile(topicFile);
}

void ProjectState::DeleteQuestionAt(std::size_t n) {
    QuestionFile file = questions();
    DeleteQuestion(file, n, [this](const std::string& identifier) {
        DeleteTopic(topicFile, identifier, "HYPER");
    });
}

bool CreateOrEnterQuizFolder(const fs::path& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!fs::is_directory(folder, ec))
        return false;
    fs::current_path(folder, ec);
    return !ec;
}

} // namespace tavrin
