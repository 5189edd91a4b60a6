#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/build/CompiledQuiz.h"
#include "core/settings/QuizSettings.h"
#include "core/topics/TopicDisplay.h"
#include "core/web/JsonWriter.h"
#include "core/web/MediaFolder.h"

namespace tavrin {

class CommandRecord;

// Told after each topic of a long export: topics done, topics in all.
using ExportProgress = std::function<void(std::size_t done, std::size_t total)>;

// The JSON document the web player plays: the compiled quiz's settings,
// records and topics with every text in UTF-8, formatted text as HTML, and
// media names as placed in the media folder (which this fills as it goes).
// The document streams to the sink as it is made, one topic at a time.
class WebQuizData {
public:
    WebQuizData(const CompiledQuiz& quiz, std::filesystem::path quizFolder, MediaFolder& media,
                std::vector<std::string>& report, JsonSink sink);

    void write(std::string_view quizName, const ExportProgress& progress);

private:
    void writeSettings();
    void writeProgramSettings();
    void writeAboutBox();
    void writeCommand(std::string_view which, bool run, const CommandRecord& command);
    void writeCustomTexts();
    void writeRecords();
    void writeQARecord(std::size_t index);
    void writeTTMRecord(std::size_t index);
    void writeTopics(const ExportProgress& progress);
    void writeTopic(const std::vector<std::string>& lines);
    void writeTopicContent(const TopicDisplay& display, std::vector<std::string>& refusals);
    void writeMedia(std::string picture, std::string sound, std::string video,
                    std::int64_t displayMilliseconds, std::vector<std::string>& refusals);
    void writeNotesText(const std::string& file, std::vector<std::string>& refusals);
    void writeIntroduction();
    void writeDesign(const ViewPortDesign& design);
    std::string placed(const std::string& stored, std::vector<std::string>* refusals = nullptr);

    const CompiledQuiz& quiz_;
    QuizSettings settings_;
    std::filesystem::path quizFolder_;
    MediaFolder& media_;
    std::vector<std::string>& report_;
    JsonWriter json_;
};

} // namespace tavrin
