#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "core/build/CompiledQuizBuilder.h"
#include "core/settings/QuizSettings.h"

namespace tavrin {

// Asked for each program that a question's information starts (link type 4),
// named as on disk: true to distribute it.
using IncludeProgram = std::function<bool(const std::string& program)>;

// Names of files in gathering order, each at most once. Names are compared
// without regard to case, as they are looked up.
class DistributionList {
public:
    // Adds the name unless it is empty or already listed; true when added.
    bool add(std::string_view name);
    const std::vector<std::string>& names() const { return names_; }

private:
    std::vector<std::string> names_;
    std::unordered_set<std::string> upperNames_; // a quiz names hundreds of files
};

// The media and program files the settings name: opening then closing
// command, about box icon, introduction background, program icon, help file,
// screen background. Only the parts that are switched on count.
void GatherSettingsFiles(const QuizSettings& settings, const std::filesystem::path& quizFolder,
                         DistributionList& list);

// The files that the questions' information in the topic file names, topic
// by topic in file order (topics of source "HYPER"; a name given twice counts
// once, as its last topic). Documents of program links and text files count
// only when they exist; `includeProgram` decides on each program.
void GatherTopicFiles(const std::filesystem::path& topicFile,
                      const std::filesystem::path& quizFolder, const IncludeProgram& includeProgram,
                      DistributionList& list);

// Everything above, in that order.
DistributionList GatherDistributionFiles(const QuizFileSet& files, const QuizSettings& settings,
                                         const IncludeProgram& includeProgram);

// The listed names that are not existing files, in list order.
std::vector<std::string> MissingFiles(const DistributionList& list,
                                      const std::filesystem::path& quizFolder);

// The refusal when `destination` is the quiz folder itself; empty when it may
// be used (a subfolder may).
std::string DestinationRefusal(const std::filesystem::path& destination,
                               const std::filesystem::path& quizFolder);

struct DistributionRequest {
    QuizFileSet files;
    QuizSettings settings;
    std::filesystem::path programFolder; // holds the quiz runner
    std::filesystem::path destination;
    bool executable = true;          // NAME.EXE, else NAME + compiled extension and the runner
    bool includeProgramFiles = true; // false: media only
    IncludeProgram includeProgram;   // unset: every program is included
};

struct DistributionOutcome {
    bool copied = false;
    // Every message for the author, in order, with names as on disk (UTF-8):
    // the reasons nothing was copied, or the closing information.
    std::vector<std::string> messages;
    std::vector<std::filesystem::path> copiedFiles;
};

// Checks everything first (destination, build output, every listed file) and
// copies only when nothing is missing. A file that cannot be copied throws
// FileError naming it; files copied before it stay in the destination.
DistributionOutcome PrepareDistribution(const DistributionRequest& request);

} // namespace tavrin
