#include "core/web/WebQuizExporter.h"

#include <algorithm>
#include <map>
#include <optional>

#include "core/build/Distribution.h"
#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"
#include "core/files/FolderNames.h"
#include "core/files/SharedRoutines.h"
#include "core/topics/TopicCommand.h"
#include "core/web/ScormManifest.h"
#include "core/web/ZipWriter.h"

namespace tavrin {
namespace fs = std::filesystem;
namespace {

// The data is a script, not a JSON file, because a browser refuses to fetch a
// file beside the page when the page is opened from the disk.
constexpr const char* kDataFile = "quiz-data.js";
constexpr std::string_view kDataVariable = "window.TAVRIN_QUIZ = ";
constexpr std::string_view kDataEnd = ";\n";

std::optional<CompiledQuiz> readCompiledQuiz(const fs::path& file, WebExportOutcome& outcome) {
    try {
        return CompiledQuiz::fromFile(file);
    } catch (const FormatError& error) {
        outcome.messages.push_back(file.string() +
                                   " is not a usable compiled quiz: " + error.what());
    } catch (const FileError& error) {
        outcome.messages.push_back(error.what());
    }
    return std::nullopt;
}

void checkPlayer(const fs::path& playerFolder, WebExportOutcome& outcome) {
    std::error_code ec;
    for (const auto& name : WebQuizExporter::PlayerFiles()) {
        if (!fs::is_regular_file(playerFolder / name, ec))
            outcome.messages.push_back("The web player file " + (playerFolder / name).string() +
                                       " is missing.");
    }
}

// The files the questions' information names, each topic name counting as
// its last topic. Programs cannot run in a browser, so they are not needed;
// documents and notes files count only when they exist, as in a distribution.
void gatherTopicFiles(const TopicIndex& topics, const fs::path& quizFolder,
                      DistributionList& list) {
    std::map<std::string, std::size_t> lastOfName;
    std::vector<std::string> order;
    for (std::size_t i = 0; i < topics.size(); ++i) {
        if (!EqualNoCase(topics.topicSource(i), "HYPER"))
            continue;
        std::string key = UpperAscii(topics.topicName(i));
        if (lastOfName.insert_or_assign(key, i).second)
            order.push_back(std::move(key));
    }
    for (const auto& name : order) {
        const auto lines = topics.topicHeadLines(lastOfName.at(name), kTopicLinesNamingFiles);
        try {
            const std::int32_t linkType = TopicLinkType(lines);
            const bool onlyIfThere = linkType == 9 || linkType == 13;
            for (const auto& file : FilesNamedByTopic(lines)) {
                if (file.program)
                    continue;
                if (!onlyIfThere || ResolveStoredFile(quizFolder, file.name))
                    list.add(file.name);
            }
        } catch (const FormatError&) {
            // a topic without a readable type shows nothing and needs nothing
        }
    }
}

void checkMediaFiles(const CompiledQuiz& quiz, const fs::path& quizFolder,
                     WebExportOutcome& outcome) {
    QuizSettings settings;
    settings.assignBytes(quiz.settingsBytes());
    DistributionList list;
    GatherSettingsFiles(settings, quizFolder, list);
    if (quiz.topics())
        gatherTopicFiles(*quiz.topics(), quizFolder, list);
    for (const auto& missing : MissingFiles(list, quizFolder))
        outcome.messages.push_back("The file " + DiskName(missing) + " is missing.");
}

std::string quizNameOf(const fs::path& compiledQuiz) {
    return compiledQuiz.stem().string();
}

std::string packageTitle(const CompiledQuiz& quiz, const std::string& quizName) {
    QuizSettings settings;
    settings.assignBytes(quiz.settingsBytes());
    for (const auto& title : {settings.programWindow().programTitle(), settings.titleBarText()}) {
        if (!title.empty())
            return DiskName(title);
    }
    return quizName;
}

// The player's files in name order; hidden files are the build's own marks.
std::vector<std::string> playerFilesIn(const fs::path& playerFolder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(playerFolder)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && !name.starts_with('.'))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The converter of the request, or the installed programs.
class ChosenConverter {
public:
    explicit ChosenConverter(MediaConverter* given) : given_(given) {}
    MediaConverter& get() { return given_ ? *given_ : programs_; }

private:
    MediaConverter* given_;
    ProgramMediaConverter programs_;
};

// Streams the data script to `sink`: the JSON document is made and written
// once, between the assignment and its end, while the media it names are
// placed in `mediaFolder`. Returns the media files placed, relative to the
// folder that holds `mediaFolder`.
std::vector<std::string> writeQuizData(const CompiledQuiz& quiz, const WebExportRequest& request,
                                       const fs::path& mediaFolder,
                                       std::vector<std::string>& report, const JsonSink& sink) {
    ChosenConverter converter(request.converter);
    MediaFolder media(request.quizFolder, mediaFolder, converter.get(), report);
    sink(kDataVariable);
    WebQuizData(quiz, request.quizFolder, media, report, sink)
        .write(quizNameOf(request.compiledQuiz), request.progress);
    sink(kDataEnd);
    report.push_back(std::string("wrote ") + kDataFile);
    std::vector<std::string> files;
    for (const auto& name : media.files())
        files.push_back("media/" + name);
    return files;
}

// Like every file of the export, the data can be written again from the quiz,
// so it is not forced to the disk.
void writeFolder(const CompiledQuiz& quiz, const WebExportRequest& request,
                 std::vector<std::string>& report) {
    const fs::path& folder = request.destination;
    fs::create_directories(folder);
    for (const auto& name : playerFilesIn(request.playerFolder)) {
        CopyFileInto(request.playerFolder / name, folder / name, DiskSync::kNoSync);
        report.push_back("copied " + name);
    }
    AtomicFileWriter out(folder / kDataFile, DiskSync::kNoSync);
    writeQuizData(quiz, request, folder / "media", report,
                  [&out](std::string_view bytes) { out.write(bytes); });
    out.commit();
}

// The package streams into the zip: the player from the program folder, the
// data as it is made; only the media pass through a folder beside the zip,
// where conversions write them.
void writePackage(const CompiledQuiz& quiz, const WebExportRequest& request,
                  std::vector<std::string>& report) {
    fs::path stage = request.destination;
    stage += ".parts";
    std::error_code ec;
    fs::remove_all(stage, ec);
    struct RemoveStage {
        fs::path folder;
        ~RemoveStage() {
            std::error_code ignored;
            fs::remove_all(folder, ignored);
        }
    } cleanup{stage};
    if (!request.destination.parent_path().empty())
        fs::create_directories(request.destination.parent_path(), ec);
    fs::create_directories(stage);

    ZipWriter zip(request.destination);
    std::vector<std::string> files = playerFilesIn(request.playerFolder);
    for (const auto& name : files) {
        zip.addFile(name, request.playerFolder / name);
        report.push_back("copied " + name);
    }
    zip.beginEntry(kDataFile);
    const std::vector<std::string> media =
        writeQuizData(quiz, request, stage / "media", report,
                      [&zip](std::string_view bytes) { zip.append(bytes); });
    zip.endEntry();
    files.push_back(kDataFile);
    for (const auto& file : media) {
        zip.addFile(file, stage / file);
        files.push_back(file);
    }
    std::sort(files.begin(), files.end());
    const std::string quizName = quizNameOf(request.compiledQuiz);
    const std::string manifest = ScormManifest(quizName, packageTitle(quiz, quizName), files);
    zip.add("imsmanifest.xml",
            std::span(reinterpret_cast<const std::uint8_t*>(manifest.data()), manifest.size()));
    zip.finish();
    report.push_back("wrote the SCORM package " + request.destination.string() + " (" +
                     std::to_string(files.size() + 1) + " files)");
}

} // namespace

const std::vector<std::string>& WebQuizExporter::PlayerFiles() {
    static const std::vector<std::string> files = {"index.html", "player.js", "player.css"};
    return files;
}

WebExportOutcome WebQuizExporter::Export(const WebExportRequest& request) {
    WebExportOutcome outcome;
    const auto quiz = readCompiledQuiz(request.compiledQuiz, outcome);
    if (!quiz)
        return outcome;
    checkPlayer(request.playerFolder, outcome);
    checkMediaFiles(*quiz, request.quizFolder, outcome);
    if (!request.scorm) {
        if (auto refusal = DestinationRefusal(request.destination, request.quizFolder);
            !refusal.empty())
            outcome.messages.push_back(std::move(refusal));
    }
    if (!outcome.messages.empty())
        return outcome;

    if (request.scorm)
        writePackage(*quiz, request, outcome.report);
    else
        writeFolder(*quiz, request, outcome.report);
    outcome.exported = true;
    return outcome;
}

} // namespace tavrin
