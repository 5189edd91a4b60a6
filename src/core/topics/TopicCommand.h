#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

// What to start for a program link: a Windows-style command line (the
// platform layer splits it with Windows quoting rules) and the folder to
// start it in, which is the quiz folder (programs started by a quiz expect it).
// Names in the command line and the program are spelled as on disk (UTF-8).
struct ProgramLaunch {
    std::string commandLine;
    std::filesystem::path workingFolder;
    std::string program; // for the message when it cannot be started

    bool operator==(const ProgramLaunch&) const = default;
};

// LinkType 4: "program,parameters" becomes "\"program\" parameters"; a value
// without a comma is one program when it names an existing file, otherwise the
// program up to the first blank followed by its arguments.
// LinkType 9: "program document" becomes "\"program\" " + quiz folder +
// document, the quiz folder ending with a separator. Any other command line is
// used as it is.
ProgramLaunch ProgramCommandLine(std::int32_t linkType, std::string_view command,
                                 const std::filesystem::path& quizFolder);

// The media of a multimedia command value, upper-cased. Parts are classified
// each on its own: one holding ".BMP", ".JPG" or ".WMF" is the picture, ".WAV"
// or ".MID" the sound, ".AVI" the video, a whole number the display time in
// tenths of a second. A later part of a class replaces an earlier one.
struct MultimediaCommand {
    std::string picture;
    std::string sound;
    std::string video;
    std::int64_t displayMilliseconds = 0; // below 1: shown until closed

    bool operator==(const MultimediaCommand&) const = default;
};
MultimediaCommand SplitMultimediaCommand(std::string_view command);

// A file that a topic needs at run time, as stored (relative names are
// looked up in the quiz folder). `program` marks the program of LinkType 4,
// which the author may choose not to distribute.
struct TopicFileName {
    std::string name;
    bool program = false;

    bool operator==(const TopicFileName&) const = default;
};

// The files named by one topic, given its lines as FindTopic returns them:
// LinkType 2 the picture (up to the first ","), 3, 7, 8, 10 and 13 the whole
// value, 4 the program (up to the first ","), 6 the picture and the sound
// (first two fields), 9 the document (after the first blank), 5 the
// background picture and wallpaper when they are valid file names. Empty
// names are left out. Throws FormatError when the type line is not a number.
std::vector<TopicFileName> FilesNamedByTopic(const std::vector<std::string>& lines);
// FilesNamedByTopic and TopicLinkType read no further than these first lines:
// name, source, type, command, and for a display the picture and wallpaper.
inline constexpr std::size_t kTopicLinesNamingFiles = 8;

// The LinkType of a topic: the number formed by the (at most) two characters
// after the first "=" of line 2. Throws FormatError when there is no such
// line or it is not a number.
std::int32_t TopicLinkType(const std::vector<std::string>& lines);

// The command value: the text after the first "=" of line 3 (empty without one).
std::string TopicCommandValue(const std::vector<std::string>& lines);

} // namespace tavrin
