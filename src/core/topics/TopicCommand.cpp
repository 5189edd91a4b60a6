#include "core/topics/TopicCommand.h"

#include "core/bytes/FileError.h"
#include "core/files/FolderNames.h"
#include "core/files/SharedRoutines.h"
#include "core/topics/TopicValues.h"

namespace tavrin {
namespace {

constexpr std::size_t kMaxMediaParts = 6;

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

bool HasFolder(std::string_view name) {
    return name.starts_with('/') || name.starts_with('\\') ||
           (name.size() >= 2 && name[1] == ':' &&
            ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z')));
}

std::string FolderWithSeparator(const std::filesystem::path& folder) {
    std::string text = folder.string();
    if (!text.empty() && text.back() != '/' && text.back() != '\\')
        text += static_cast<char>(std::filesystem::path::preferred_separator);
    return text;
}

std::string_view UpToComma(std::string_view value) {
    return value.substr(0, value.find(','));
}

void AddName(std::vector<TopicFileName>& names, std::string_view name, bool program = false) {
    if (!name.empty())
        names.push_back({std::string(name), program});
}

void AddDisplayFiles(std::vector<TopicFileName>& names, const std::vector<std::string>& lines) {
    for (std::size_t position : {6u, 7u}) {
        if (position >= lines.size())
            return;
        const std::string_view file = topicvalue::AfterEquals(lines[position]);
        if (IsValidFileName(file))
            AddName(names, file);
    }
}

} // namespace

namespace {

// A program link's value without a comma: the whole value when it names an
// existing file ("My Program.sh"), otherwise the program up to the first
// blank and its arguments after it.
ProgramLaunch ProgramWithoutComma(std::string_view command,
                                  const std::filesystem::path& quizFolder) {
    ProgramLaunch launch{DiskName(command), quizFolder, DiskName(command)};
    if (command.starts_with('"')) {
        launch.program = DiskName(command.substr(1, command.find('"', 1) - 1));
        return launch;
    }
    const auto blank = command.find(' ');
    if (blank == std::string_view::npos)
        return launch;
    if (ResolveStoredFile(quizFolder, command)) {
        launch.commandLine = Quoted(launch.program);
        return launch;
    }
    launch.program = DiskName(command.substr(0, blank));
    launch.commandLine = Quoted(launch.program) + " " + DiskName(command.substr(blank + 1));
    return launch;
}

} // namespace

ProgramLaunch ProgramCommandLine(std::int32_t linkType, std::string_view command,
                                 const std::filesystem::path& quizFolder) {
    const char separator = linkType == 4 ? ',' : linkType == 9 ? ' ' : '\0';
    const auto split = separator ? command.find(separator) : std::string_view::npos;
    if (linkType == 4 && split == std::string_view::npos)
        return ProgramWithoutComma(command, quizFolder);
    if (split == std::string_view::npos)
        return ProgramLaunch{DiskName(command), quizFolder, DiskName(command)};
    ProgramLaunch launch{{}, quizFolder, DiskName(command.substr(0, split))};
    const std::string_view rest = command.substr(split + 1);
    if (linkType == 4) {
        launch.commandLine = Quoted(launch.program) + " " + DiskName(rest);
        return launch;
    }
    // A document stored with its own folder is not put under the quiz
    // folder, and a path holding blanks is quoted so it stays one argument.
    std::string document =
        HasFolder(rest) ? DiskName(rest) : FolderWithSeparator(quizFolder) + DiskName(rest);
    if (document.find(' ') != std::string::npos)
        document = Quoted(document);
    launch.commandLine = Quoted(launch.program) + " " + document;
    return launch;
}

MultimediaCommand SplitMultimediaCommand(std::string_view command) {
    const std::string upper = UpperAscii(command);
    MultimediaCommand media;
    std::string_view rest = upper;
    for (std::size_t part = 0; part < kMaxMediaParts; ++part) {
        const bool last = part + 1 == kMaxMediaParts;
        const auto comma = last ? std::string_view::npos : rest.find(',');
        const std::string_view piece = rest.substr(0, comma);
        const auto holds = [&](std::string_view what) {
            return piece.find(what) != std::string_view::npos;
        };
        if (holds(".BMP") || holds(".JPG") || holds(".WMF"))
            media.picture = piece;
        if (holds(".WAV") || holds(".MID"))
            media.sound = piece;
        if (holds(".AVI"))
            media.video = piece;
        if (auto tenths = ParseWholeNumber(piece))
            media.displayMilliseconds = static_cast<std::int64_t>(*tenths) * 100;
        if (comma == std::string_view::npos)
            break;
        rest = rest.substr(comma + 1);
    }
    return media;
}

std::int32_t TopicLinkType(const std::vector<std::string>& lines) {
    if (lines.size() < 3)
        throw FormatError("the topic has no type line");
    return topicvalue::ParseInteger(topicvalue::AfterEquals(lines[2]).substr(0, 2), "type");
}

std::string TopicCommandValue(const std::vector<std::string>& lines) {
    if (lines.size() < 4)
        return {};
    return std::string(topicvalue::AfterEquals(lines[3]));
}

std::vector<TopicFileName> FilesNamedByTopic(const std::vector<std::string>& lines) {
    const std::int32_t linkType = TopicLinkType(lines);
    const std::string command = TopicCommandValue(lines);
    const std::string_view value = command;
    std::vector<TopicFileName> names;
    switch (linkType) {
    case 1:
        break;
    case 2:
        AddName(names, UpToComma(value));
        break;
    case 3:
    case 7:
    case 8:
    case 10:
    case 13:
        AddName(names, value);
        break;
    case 4:
        AddName(names, UpToComma(value), true);
        break;
    case 5:
        AddDisplayFiles(names, lines);
        break;
    case 6:
        AddName(names, UpToComma(value));
        if (const auto comma = value.find(','); comma != std::string_view::npos)
            AddName(names, UpToComma(value.substr(comma + 1)));
        break;
    case 9:
        if (const auto blank = value.find(' '); blank != std::string_view::npos)
            AddName(names, value.substr(blank + 1));
        break;
    default:
        break;
    }
    return names;
}

} // namespace tavrin
