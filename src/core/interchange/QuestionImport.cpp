#include "core/interchange/QuestionImport.h"

#include <map>
#include <optional>

#include "core/bytes/Cp1252.h"
#include "core/files/FileIO.h"
#include "core/files/FolderNames.h"
#include "core/files/SharedRoutines.h"
#include "core/files/TextLines.h"
#include "core/interchange/InterchangeText.h"
#include "core/questions/QuestionFile.h"
#include "core/rtf/RichDocument.h"
#include "core/rtf/RtfWriter.h"
#include "core/topics/TopicFile.h"
#include "core/topics/TopicTextWriter.h"

namespace tavrin::interchange {
namespace fs = std::filesystem;
namespace {

constexpr std::size_t kNoMedia = static_cast<std::size_t>(-1);

std::optional<std::string> ReadIfPresent(const fs::path& path) {
    std::error_code error;
    if (!fs::is_regular_file(path, error))
        return std::nullopt;
    return ReadFileText(path);
}

// A name for the quiz folder: Windows-1252, without the characters a stored
// file name may not hold.
std::string StorableName(const std::string& utf8) {
    std::string name;
    for (const char c : cp1252::fromUtf8(utf8)) {
        const bool bad = static_cast<unsigned char>(c) < 32 || c == '?' || c == '\\' ||
                         !IsValidFileName(std::string(1, c));
        name += bad ? '_' : c;
    }
    return name.empty() ? "picture" : name;
}

std::string WithNumber(const std::string& name, int n) {
    const std::size_t dot = name.rfind('.');
    const std::string stem = dot == std::string::npos ? name : name.substr(0, dot);
    const std::string ext = dot == std::string::npos ? "" : name.substr(dot);
    return stem + "-" + std::to_string(n) + ext;
}

// Picks where a media file goes: its own name, unless a different file holds
// it (in the folder or earlier in this import); then NAME-2.EXT and so on.
class MediaPlanner {
public:
    MediaPlanner(const fs::path& folder, std::vector<PlannedMedia>& media)
        : folder_(folder), media_(media) {}

    std::size_t place(const MediaFile& file) {
        const std::string wanted = StorableName(file.name);
        for (int n = 1;; ++n) {
            const std::string name = n == 1 ? wanted : WithNumber(wanted, n);
            const auto planned = planned_.find(UpperAscii(name));
            if (planned != planned_.end()) {
                if (media_[planned->second].bytes == file.bytes)
                    return planned->second;
                continue;
            }
            const auto existing = ResolveInFolder(folder_, name);
            if (existing && !SameContent(*existing, file.bytes))
                continue;
            PlannedMedia media{name, existing.value_or(folder_ / cp1252::toUtf8(name)), file.bytes,
                               existing.has_value()};
            planned_[UpperAscii(name)] = media_.size();
            media_.push_back(std::move(media));
            return media_.size() - 1;
        }
    }

private:
    static bool SameContent(const fs::path& path, const std::string& bytes) {
        std::error_code error;
        if (!fs::is_regular_file(path, error) || fs::file_size(path, error) != bytes.size())
            return false;
        const auto stored = ReadFileBytes(path);
        return std::equal(stored.begin(), stored.end(), bytes.begin(), bytes.end(),
                          [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); });
    }

    fs::path folder_;
    std::vector<PlannedMedia>& media_;
    std::map<std::string, std::size_t> planned_;
};

std::vector<std::string> RichTextLines(const std::string& plain) {
    return SplitLines(RtfWriter::Write(RichDocument::fromPlainText(plain)));
}

void WriteTopic(TopicTextWriter& writer, const MappedRecord& record, const PlannedMedia* media) {
    if (media && !record.mediaIsPicture) {
        writer.commandTopic(record.identifier, 3, media->storedName, kHyperSource);
    } else if (media && record.informationText.empty()) {
        writer.commandTopic(record.identifier, 2, media->storedName + ",0", kHyperSource);
    } else if (media) {
        ViewPortDesign design = DefaultViewPortDesign();
        design.setDisplaytype(ViewPortDesign::kGraphic);
        design.setSGraphic(media->storedName);
        writer.displayTopic(record.identifier, 5, design, RichTextLines(record.informationText),
                            kHyperSource);
    } else if (!record.informationText.empty()) {
        writer.displayTopic(record.identifier, 1, DefaultViewPortDesign(),
                            RichTextLines(record.informationText), kHyperSource);
    }
}

std::string Outcome(const MappedQuestion& mapped) {
    if (!mapped.refusal.empty())
        return "not imported: " + mapped.refusal;
    std::string outcome = "imported as ";
    for (std::size_t i = 0; i < mapped.records.size(); ++i)
        outcome += (i ? ", " : "") + cp1252::toUtf8(mapped.records[i].identifier);
    for (const auto& note : mapped.notes)
        outcome += "; " + note;
    return outcome;
}

// Puts a file back as it was: its former content, or no file.
// Errors here are not reported: the error that made the import fail is.
void Restore(const fs::path& path, const std::optional<std::string>& former) {
    std::error_code ignored;
    try {
        if (former)
            WriteFileAtomically(path, *former);
        else
            fs::remove(path, ignored);
    } catch (const std::exception&) {
    }
}

} // namespace

std::string ImportPlan::reportText() const {
    std::string text = std::to_string(imported) + (imported == 1 ? " question" : " questions") +
                       " can be imported (" + std::to_string(records.size()) +
                       (records.size() == 1 ? " record" : " records") + "), " +
                       std::to_string(refused) + " cannot.\n";
    for (const auto& note : notes)
        text += note + "\n";
    for (const auto& entry : entries) {
        text += entry.where;
        if (!entry.name.empty())
            text += " \"" + entry.name + "\"";
        text += ": " + entry.outcome + "\n";
    }
    return text;
}

ImportPlan PlanImport(const ReadResult& read, const QuizFiles& files) {
    ImportPlan plan;
    plan.files = files;
    plan.notes = read.notes;
    std::vector<std::string> taken = QuestionFile(files.questionFile, files.kind).ListQuestionIds();
    ListTopicsForSource(taken, files.topicFile, kHyperSource);
    QuestionMapper mapper(files.kind, taken);
    MediaPlanner planner(files.quizFolder, plan.media);
    // Reserved, so that the lists are not moved about as they grow.
    plan.entries.reserve(read.questions.size());
    plan.records.reserve(read.questions.size());
    plan.mediaOfRecord.reserve(read.questions.size());
    for (const Question& question : read.questions) {
        MappedQuestion mapped = mapper.map(question);
        plan.entries.push_back(
            ReportEntry{question.where, question.name, mapped.refusal.empty(), Outcome(mapped)});
        (mapped.refusal.empty() ? plan.imported : plan.refused) += 1;
        for (MappedRecord& record : mapped.records) {
            plan.mediaOfRecord.push_back(record.media ? planner.place(*record.media) : kNoMedia);
            record.media.reset(); // the plan keeps the bytes once
            plan.records.push_back(std::move(record));
        }
    }
    return plan;
}

void CommitImport(const ImportPlan& plan) {
    if (plan.records.empty())
        return;
    std::vector<fs::path> written;
    const std::optional<std::string> formerTopics = ReadIfPresent(plan.files.topicFile);
    bool topicsWritten = false;
    try {
        for (const PlannedMedia& media : plan.media) {
            if (media.alreadyThere)
                continue;
            WriteFileAtomically(media.path, media.bytes);
            written.push_back(media.path);
        }
        TopicTextWriter topics;
        for (std::size_t i = 0; i < plan.records.size(); ++i) {
            const std::size_t media = plan.mediaOfRecord[i];
            WriteTopic(topics, plan.records[i], media == kNoMedia ? nullptr : &plan.media[media]);
        }
        if (!topics.text().empty()) {
            std::string text = formerTopics.value_or("");
            if (!text.empty() && text.back() != '\n')
                text += "\r\n";
            WriteFileAtomically(plan.files.topicFile, text + topics.text());
            topicsWritten = true;
        }
        AtomicFileWriter writer(plan.files.questionFile);
        const auto former = ReadIfPresent(plan.files.questionFile);
        const std::size_t recordSize = QuestionRecordSize(plan.files.kind);
        if (former)
            writer.write(
                std::string_view(*former).substr(0, former->size() / recordSize * recordSize));
        // Straight from the plan through the writer's buffer: gathering the
        // records first would touch as much fresh memory again as they fill.
        for (const MappedRecord& record : plan.records)
            writer.write(record.bytes.data(), record.bytes.size());
        writer.commit();
    } catch (...) {
        if (topicsWritten)
            Restore(plan.files.topicFile, formerTopics);
        std::error_code ignored;
        for (const auto& path : written)
            fs::remove(path, ignored);
        throw;
    }
}

} // namespace tavrin::interchange
