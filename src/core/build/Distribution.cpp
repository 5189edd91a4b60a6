#include "core/build/Distribution.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"
#include "core/files/FolderNames.h"
#include "core/files/SharedRoutines.h"
#include "core/topics/TopicCommand.h"
#include "core/topics/TopicIndexBuilder.h"
#include "core/topics/TopicLineCursor.h"

namespace tavrin {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kQuestionSource = "HYPER";
constexpr std::string_view kQuizRunner = "vorlandt.exe";
constexpr std::int32_t kBackgroundGraphic = 2;
constexpr std::int32_t kBackgroundWallpaper = 3;
constexpr std::int32_t kLinkProgram = 4;
constexpr std::int32_t kLinkProgramWithDocument = 9;
constexpr std::int32_t kLinkTextFile = 13;

std::string beforeFirst(const std::string& text, char separator) {
    return text.substr(0, text.find(separator));
}

bool isExistingFile(const fs::path& quizFolder, std::string_view name) {
    return ResolveStoredFile(quizFolder, name).has_value();
}

// The program of a "program document" command counts only through its
// document, and only when that document exists.
std::string documentOf(const std::string& command, const fs::path& quizFolder) {
    const auto blank = command.find(' ');
    if (blank == std::string::npos)
        return command;
    const std::string document = command.substr(blank + 1);
    return isExistingFile(quizFolder, document) ? document : std::string();
}

// The files a command needs, by its type: each type keeps its files in fields
// of its own, and the fields of other types may still hold earlier choices.
void gatherCommand(const CommandRecord& command, const fs::path& quizFolder,
                   DistributionList& list) {
    switch (command.commandType()) {
    case 2:
        list.add(command.graphicFile());
        break;
    case 3:
        list.add(command.voiceFile());
        break;
    case 6:
        list.add(command.graphicAndSoundGraphic());
        list.add(command.graphicAndSoundSound());
        break;
    case 0:
    case 4:
        list.add(beforeFirst(command.programCommand(), ','));
        break;
    case 9:
        list.add(documentOf(command.programCommand(), quizFolder));
        break;
    default: {
        const std::string fields[] = {command.graphicFile(), command.graphicAndSoundGraphic(),
                                      command.voiceFile(), command.graphicAndSoundSound(),
                                      command.programCommand()};
        const auto last = std::find_if(std::rbegin(fields), std::rend(fields),
                                       [](const std::string& f) { return !f.empty(); });
        if (last != std::rend(fields))
            list.add(*last);
    }
    }
}

void gatherBackground(std::int32_t kind, const std::string& graphic, const std::string& wallpaper,
                      DistributionList& list) {
    if (kind == kBackgroundGraphic)
        list.add(graphic);
    else if (kind == kBackgroundWallpaper)
        list.add(wallpaper);
}

bool wanted(const TopicFileName& file, std::int32_t linkType, const fs::path& quizFolder,
            const IncludeProgram& includeProgram) {
    if (linkType == kLinkProgramWithDocument || linkType == kLinkTextFile)
        return isExistingFile(quizFolder, file.name);
    if (file.program && linkType == kLinkProgram)
        return !includeProgram || includeProgram(DiskName(file.name));
    return true;
}

std::string withTrailingSeparator(const fs::path& folder) {
    std::string text = folder.string();
    if (text.empty() || text.back() != fs::path::preferred_separator)
        text += fs::path::preferred_separator;
    return text;
}

fs::path comparable(const fs::path& folder) {
    std::error_code ec;
    auto canonical = fs::weakly_canonical(fs::absolute(folder, ec), ec);
    return canonical.empty() ? folder.lexically_normal() : canonical;
}

} // namespace

bool DistributionList::add(std::string_view name) {
    if (name.empty())
        return false;
    if (!upperNames_.insert(UpperAscii(name)).second)
        return false;
    names_.emplace_back(name);
    return true;
}

void GatherSettingsFiles(const QuizSettings& settings, const fs::path& quizFolder,
                         DistributionList& list) {
    const ProgramScreens screens = settings.programScreens();
    if (screens.runOpeningCommand())
        gatherCommand(screens.openingCommand(), quizFolder, list);
    if (screens.runClosingCommand())
        gatherCommand(screens.closingCommand(), quizFolder, list);
    if (screens.showAboutBox())
        list.add(screens.aboutBox().iconFile());
    if (screens.showIntroduction()) {
        const ViewPortDesign intro = screens.introScreen().textWindow();
        gatherBackground(intro.displaytype(), intro.sGraphic(), intro.sWallpaper(), list);
    }
    const ProgramWindow window = settings.programWindow();
    if (window.useIcon())
        list.add(window.iconFile());
    if (window.useHelpFile())
        list.add(window.helpFile());
    gatherBackground(window.backgroundKind(), window.backgroundGraphic(),
                     window.backgroundWallpaper(), list);
}

void GatherTopicFiles(const fs::path& topicFile, const fs::path& quizFolder,
                      const IncludeProgram& includeProgram, DistributionList& list) {
    // A name given twice stands for its last topic, as a lookup by name finds
    // it; it keeps the place of its first. The topics are read in one pass
    // and only the names of their files are kept.
    struct NamedFiles {
        std::int32_t linkType = 0;
        std::vector<TopicFileName> files;
    };
    std::unordered_map<std::string, std::size_t> placeOfName;
    std::vector<std::optional<NamedFiles>> places;
    std::vector<std::string> lines; // reused: its strings keep their room from topic to topic
    TopicIndexStream stream(nullptr);
    stream.observeLines(kTopicLinesNamingFiles, [&](const TopicIndexEntry& entry,
                                                    const std::vector<std::string>& block) {
        if (!EqualNoCase(entry.source(), kQuestionSource))
            return;
        lines.assign(block.begin(), block.end());
        lines[0] = std::string(HeadName(block[0]));
        if (lines.size() < 2)
            lines.emplace_back();
        lines[1] = "source=" + entry.source();
        lines.emplace_back("]");
        const auto [it, first] = placeOfName.try_emplace(UpperAscii(lines[0]), places.size());
        if (first)
            places.emplace_back();
        auto& place = places[it->second];
        try {
            place = NamedFiles{TopicLinkType(lines), FilesNamedByTopic(lines)};
        } catch (const FormatError&) {
            place.reset(); // a topic without a readable type shows nothing and needs nothing
        }
    });
    FeedTopicFile(topicFile, stream);
    stream.finish();
    for (const auto& place : places) {
        if (!place)
            continue;
        for (const auto& file : place->files) {
            if (wanted(file, place->linkType, quizFolder, includeProgram))
                list.add(file.name);
        }
    }
}

DistributionList GatherDistributionFiles(const QuizFileSet& files, const QuizSettings& settings,
                                         const IncludeProgram& includeProgram) {
    DistributionList list;
    GatherSettingsFiles(settings, files.quizFolder, list);
    if (const auto topicFile = ResolveDiskFile(files.quizFolder, files.topicFile))
        GatherTopicFiles(*topicFile, files.quizFolder, includeProgram, list);
    return list;
}

std::vector<std::string> MissingFiles(const DistributionList& list, const fs::path& quizFolder) {
    std::vector<std::string> missing;
    for (const auto& name : list.names()) {
        if (!isExistingFile(quizFolder, name))
            missing.push_back(name);
    }
    return missing;
}

std::string DestinationRefusal(const fs::path& destination, const fs::path& quizFolder) {
    std::error_code ec;
    const bool same =
        fs::equivalent(destination, quizFolder, ec) ||
        EqualNoCase(comparable(destination).string(), comparable(quizFolder).string());
    return same ? "Files cannot be copied to Project directory." : std::string();
}

DistributionOutcome PrepareDistribution(const DistributionRequest& request) {
    DistributionOutcome outcome;
    const QuizFileSet& files = request.files;
    if (auto refusal = DestinationRefusal(request.destination, files.quizFolder);
        !refusal.empty()) {
        outcome.messages.push_back(std::move(refusal));
        return outcome;
    }
    const std::string name = files.baseName();
    const std::string compiledExtension = ExtensionsOf(files.kind).compiled;
    const std::string built = name + (request.executable ? ".EXE" : compiledExtension);
    const auto builtFile = ResolveDiskFile(files.quizFolder, built);
    if (request.includeProgramFiles && !builtFile) {
        outcome.messages.push_back(
            request.executable ? built + " was not found.\r\nPlease create the Executable program."
                               : built + " was not found.\r\nPlease compile the Quiz.");
        return outcome;
    }

    const DistributionList list =
        GatherDistributionFiles(files, request.settings, request.includeProgram);
    // Each name is looked up once: a distribution may carry hundreds of files.
    std::vector<fs::path> sources;
    for (const auto& stored : list.names()) {
        if (auto found = ResolveStoredFile(files.quizFolder, stored))
            sources.push_back(std::move(*found));
        else
            outcome.messages.push_back("The file " + DiskName(stored) + " is missing.");
    }
    const fs::path runner = request.programFolder / kQuizRunner;
    const bool needsRunner = request.includeProgramFiles && !request.executable;
    if (needsRunner && !isExistingFile(request.programFolder, kQuizRunner))
        outcome.messages.push_back("The file " + runner.string() + " is missing.");
    if (!outcome.messages.empty())
        return outcome;

    if (request.includeProgramFiles) {
        sources.push_back(*builtFile);
        if (needsRunner)
            sources.push_back(*ResolveStoredFile(request.programFolder, kQuizRunner));
    }

    std::error_code ec;
    fs::create_directories(request.destination, ec);
    if (!fs::is_directory(request.destination, ec)) {
        outcome.messages.push_back("Unable to create the directory");
        return outcome;
    }
    for (const auto& source : sources) {
        // The copies can be made again from the quiz folder; forcing each to
        // the disk would make the distribution many times slower than a copy.
        CopyFileInto(source, request.destination, DiskSync::kNoSync);
        outcome.copiedFiles.push_back(request.destination / source.filename());
    }
    outcome.copied = true;
    outcome.messages.push_back("All the files have been copied to the Directory " +
                               withTrailingSeparator(request.destination));
    return outcome;
}

} // namespace tavrin
