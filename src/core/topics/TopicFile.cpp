#include "core/topics/TopicFile.h"

#include <cerrno>
#include <cstdio>
#include <optional>
#include <unistd.h>

#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"
#include "core/files/FolderNames.h"
#include "core/files/PassThroughWriter.h"
#include "core/files/SharedRoutines.h"
#include "core/topics/TopicFinder.h"
#include "core/topics/TopicIndexBuilder.h"
#include "core/topics/TopicLineSplitter.h"
#include "core/topics/TopicReplacer.h"
#include "core/topics/TopicRewrite.h"
#include "core/topics/TopicText.h"
#include "core/topics/TopicTextWriter.h"

namespace tavrin {
namespace fs = std::filesystem;
namespace {

std::optional<std::string> ReadIfPresent(const fs::path& topicFile) {
    std::error_code error;
    if (!fs::is_regular_file(topicFile, error))
        return std::nullopt;
    return ReadFileText(topicFile);
}

bool EndsWithLineBreak(std::FILE* file) {
    if (std::fseek(file, -1, SEEK_END) != 0)
        return true; // empty file
    const int last = std::fgetc(file);
    std::fseek(file, 0, SEEK_END);
    return last == '\n';
}

// Appends one whole topic. A file whose last line lacks its end first gets
// one, so the new head line never joins that line. On a failed write the file
// is cut back to its former length: no half topic remains.
void AppendTopicText(const fs::path& topicFile, std::string_view topicText) {
    std::FILE* file = std::fopen(topicFile.c_str(), "a+b");
    if (!file)
        throw FileError::fromErrno(topicFile, "cannot open for appending");
    std::fseek(file, 0, SEEK_END);
    const long formerSize = std::ftell(file);
    std::string text;
    if (!EndsWithLineBreak(file))
        text = "\r\n";
    text += topicText;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size() &&
                         std::fflush(file) == 0 && ::fsync(fileno(file)) == 0;
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    if (written && closed)
        return;
    std::error_code ignored;
    if (formerSize >= 0)
        fs::resize_file(topicFile, static_cast<std::uintmax_t>(formerSize), ignored);
    errno = written ? errno : writeError;
    throw FileError::fromErrno(topicFile, "cannot append");
}

// Puts a rewrite in place; a result without content removes the file.
void Store(const fs::path& topicFile, const TopicRewrite& rewrite) {
    if (rewrite.onlyEmptyLines) {
        std::error_code error;
        fs::remove(topicFile, error);
        if (error)
            throw FileError(topicFile, "cannot delete: " + error.message());
        return;
    }
    WriteFileAtomically(topicFile, rewrite.text);
}

// Streams the topic file line by line into its new version, dropping or
// replacing the topic (name, source), so that neither version is held whole.
// A result without content removes the file; an unchanged one is left alone
// when `unchangedKept`. True when a topic matched.
bool RewriteTopicFile(const fs::path& topicFile, std::string_view name, std::string_view source,
                      std::optional<std::string_view> replacement, bool unchangedKept) {
    AtomicFileWriter out(topicFile);
    // Lines carried along unchanged are copied from the old file by the kernel.
    PassThroughWriter kept(topicFile, out);
    TopicReplacer replacer(name, source, replacement,
                           [&kept](std::string_view bytes) { kept.write(bytes); });
    TopicLineSplitter lines([&replacer](std::string_view line) { replacer.line(line); });
    std::error_code error;
    if (fs::is_regular_file(topicFile, error))
        kept.readBlocks([&lines](std::string_view bytes) { lines.feed(bytes); });
    lines.finish();
    replacer.finish();
    if (replacer.onlyEmptyLines()) {
        fs::remove(topicFile, error);
        if (error)
            throw FileError(topicFile, "cannot delete: " + error.message());
    } else if (replacer.matched() || !unchangedKept) {
        out.commit();
    }
    return replacer.matched();
}

bool ReplaceTopic(const fs::path& topicFile, std::string_view oldName, std::string_view source,
                  const std::string& newTopic) {
    return RewriteTopicFile(topicFile, oldName, source, newTopic, false);
}

} // namespace

void AppendCommandTopic(const fs::path& topicFile, std::string_view name, std::int32_t linkType,
                        std::string_view command, std::string_view source) {
    TopicTextWriter writer;
    writer.commandTopic(name, linkType, command, source);
    AppendTopicText(topicFile, writer.text());
}

void AppendDisplayTopic(const fs::path& topicFile, std::string_view name, std::int32_t linkType,
                        const ViewPortDesign& design, const std::vector<std::string>& text,
                        std::string_view source) {
    TopicTextWriter writer;
    writer.displayTopic(name, linkType, design, text, source);
    AppendTopicText(topicFile, writer.text());
}

void AppendIntroduction(const fs::path& topicFile, const std::vector<std::string>& text) {
    TopicTextWriter writer;
    writer.introduction(text, true);
    AppendTopicText(topicFile, writer.text());
}

bool ReplaceCommandTopic(const fs::path& topicFile, std::string_view newName,
                         std::string_view oldName, std::int32_t linkType, std::string_view command,
                         std::string_view source) {
    TopicTextWriter writer;
    writer.commandTopic(newName, linkType, command, source);
    return ReplaceTopic(topicFile, oldName, source, writer.text());
}

bool ReplaceDisplayTopic(const fs::path& topicFile, std::string_view newName,
                         std::string_view oldName, std::int32_t linkType,
                         const ViewPortDesign& design, const std::vector<std::string>& text,
                         std::string_view source) {
    TopicTextWriter writer;
    writer.displayTopic(newName, linkType, design, text, source);
    return ReplaceTopic(topicFile, oldName, source, writer.text());
}

void ReplaceIntroduction(const fs::path& topicFile, const std::vector<std::string>& text) {
    TopicTextWriter writer;
    writer.introduction(text, false);
    const std::string stored = ReadIfPresent(topicFile).value_or(std::string());
    Store(topicFile, TopicRewrite::replaceIntroduction(stored, writer.text()));
}

bool DeleteTopic(const fs::path& topicFile, std::string_view name, std::string_view source) {
    std::error_code error;
    if (!fs::is_regular_file(topicFile, error))
        return false;
    // Nothing removed: the file keeps its bytes unless it held only empty lines.
    return RewriteTopicFile(topicFile, name, source, std::nullopt, true);
}

bool FindTopic(const fs::path& topicFile, std::string_view name, std::string_view source,
               std::vector<std::string>& lines) {
    std::error_code error;
    if (!fs::is_regular_file(topicFile, error))
        return false;
    TopicFinder finder(name, source);
    TopicLineSplitter splitter([&finder](std::string_view line) { finder.line(line); });
    ReadFileInBlocks(topicFile, [&splitter](std::string_view bytes) { splitter.feed(bytes); });
    splitter.finish();
    auto found = finder.finish();
    if (!found)
        return false;
    lines = std::move(*found);
    return true;
}

bool TopicExists(const fs::path& topicFile, std::string_view newName, std::string_view oldName,
                 std::string_view source) {
    if (EqualNoCase(newName, oldName))
        return false;
    const auto text = ReadIfPresent(topicFile);
    return text && TopicText(*text).contains(newName, source);
}

void ListTopicsForSource(std::vector<std::string>& names, const fs::path& topicFile,
                         std::string_view source) {
    if (const auto text = ReadIfPresent(topicFile))
        TopicText(*text).listTopicsForSource(names, source);
}

bool ReadIntroduction(const fs::path& topicFile, std::vector<std::string>& text) {
    const auto stored = ReadIfPresent(topicFile);
    return stored && TopicText(*stored).readIntroduction(text);
}

void UpgradeTopicFile(const fs::path& topicFile) {
    const auto text = ReadIfPresent(topicFile);
    if (!text)
        return;
    const auto rewrite = TopicRewrite::upgrade(*text);
    if (rewrite.matched)
        WriteFileAtomically(topicFile, rewrite.text);
}

} // namespace tavrin
