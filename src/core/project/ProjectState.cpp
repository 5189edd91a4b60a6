#include "core/project/ProjectState.h"

#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"
#include "core/files/FolderNames.h"
#include "core/files/SharedRoutines.h"
#include "core/settings/SettingsConversion.h"

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
    if (!selectedName_.empty())
        return selectedName_;
    return QuizBaseName(quizFile.filename().string());
}

void ProjectState::clearQuiz() {
    selectedName_.clear();
    quizFile.clear();
    questionFile.clear();
    topicFile.clear();
}

std::string ProjectState::conversionQuestion() const {
    return quizFile.filename().string() +
           " was created with an earlier version of Tavrin. Would you like to convert it to "
           "the new version?";
}

OpenResult ProjectState::StartNewQuiz(const fs::path& requested, const std::string& name,
                                      const AskYesNo& ask,
                                      const TopicFileUpgrade& upgradeTopicFile) {
    std::error_code ec;
    // A relative folder means one below the current directory, not below the
    // folder that creating it makes current.
    const fs::path folder = fs::absolute(requested, ec).lexically_normal();
    if (ec)
        return OpenResult::kFolderUnavailable;
    const fs::path previousDirectory = fs::current_path(ec);
    const fs::path bare = folder.has_filename() ? folder : folder.parent_path();
    const fs::path firstCreated = FirstMissingFolder(bare);
    if (!CreateOrEnterQuizFolder(folder)) {
        RemoveEmptyFoldersUpTo(bare, firstCreated);
        return OpenResult::kFolderUnavailable;
    }
    const ProjectState previous = *this;
    quizFolder = folder;
    clearQuiz();
    if (name.empty())
        return OpenResult::kNotOpened;
    quizFile = folder / ReplaceExtension(name, ExtensionsOf(quizKind).quiz);
    try {
        return OpenQuiz(ask, upgradeTopicFile);
    } catch (...) {
        // The quiz could not be made: the previous one stays current, and a
        // folder made for it alone goes again.
        *this = previous;
        fs::current_path(previousDirectory.empty() ? quizFolder : previousDirectory, ec);
        RemoveEmptyFoldersUpTo(bare, firstCreated);
        throw;
    }
}

OpenResult ProjectState::SelectQuiz(const std::optional<fs::path>& chosen, const AskYesNo& ask,
                                    const TopicFileUpgrade& upgradeTopicFile) {
    if (chosen) {
        quizFolder = chosen->parent_path();
        std::error_code ignored;
        fs::current_path(quizFolder, ignored);
        // The quiz takes its name in upper case, whatever the case of the
        // file found on disk.
        const std::string name =
            UpperAscii(ReplaceExtension(chosen->filename().string(), ExtensionsOf(quizKind).quiz));
        quizFile = quizFolder / name;
        selectedName_ = QuizBaseName(name);
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

fs::path FirstMissingFolder(const fs::path& folder) {
    std::error_code ec;
    fs::path missing;
    for (fs::path at = folder; !at.empty() && !fs::exists(at, ec); at = at.parent_path()) {
        missing = at;
        if (at == at.parent_path())
            break;
    }
    return missing;
}

void RemoveEmptyFoldersUpTo(const fs::path& folder, const fs::path& firstCreated) {
    if (firstCreated.empty())
        return;
    std::error_code ec;
    for (fs::path at = folder; !at.empty(); at = at.parent_path()) {
        if (!fs::remove(at, ec) || at == firstCreated || at == at.parent_path())
            return;
    }
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
