#include "core/build/CompiledQuizBuilder.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <memory>
#include <optional>
#include <string_view>

#include "core/build/CompiledQuizDirectory.h"
#include "core/build/ExecutableQuiz.h"
#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"
#include "core/files/FolderNames.h"
#include "core/files/PassThroughWriter.h"
#include "core/files/SharedRoutines.h"
#include "core/topics/TopicIndexBuilder.h"

namespace tavrin {
namespace fs = std::filesystem;
namespace {

constexpr const char* kNoQuestions =
    "the quiz has no questions; add a question before compiling it";

// Streams the indexed topic block of the topic file into `out` and puts its
// header in place; returns the block's size.
std::uint64_t appendTopicBlock(const fs::path& topicFile, AtomicFileWriter& out) {
    // The topic text passes on in runs of lines, not a line at a time.
    PassThroughWriter text(topicFile, out);
    TopicIndexStream stream([&text](std::string_view bytes) { text.write(bytes); });
    try {
        text.readBlocks([&stream](std::string_view bytes) { stream.feed(bytes); });
        const TopicIndexHeader header = stream.finish();
        out.writeAt(kCompiledHeadSize, header.bytes().data(), header.bytes().size());
    } catch (const FormatError& error) {
        throw FileError(topicFile, error.what());
    }
    return stream.size();
}

// Bytes in the records of the question file. A quiz without questions would
// play nothing, and bytes after the last whole record are a question lost,
// so neither is compiled.
// The topic block is the topic file's text and an index entry for each of
// its topics: an eighth more than the text leaves room for short topics.
std::uint64_t topicBlockEstimate(const std::optional<fs::path>& topicFile) {
    std::error_code ec;
    const std::uint64_t text = topicFile ? fs::file_size(*topicFile, ec) : 0;
    return ec ? 0 : text + text / 8;
}

std::uint64_t recordBytesOf(const fs::path& questionFile, QuizKind kind) {
    std::error_code ec;
    const std::uint64_t size = fs::file_size(questionFile, ec);
    if (ec)
        throw FileError(questionFile, "cannot read: " + ec.message());
    if (size == 0)
        throw FileError(questionFile, kNoQuestions);
    const std::uint64_t recordSize = QuestionRecordSize(kind);
    if (const std::uint64_t partial = size % recordSize; partial != 0)
        throw FileError(questionFile, "ends with " + std::to_string(partial) +
                                          " bytes that are not a whole question record of " +
                                          std::to_string(recordSize) +
                                          " bytes; the file is damaged");
    return size;
}

// Copies the first `count` bytes of the question file unchanged.
void appendRecords(const fs::path& questionFile, std::uint64_t count, AtomicFileWriter& out) {
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> in(std::fopen(questionFile.c_str(), "rb"));
    if (!in)
        throw FileError::fromErrno(questionFile, "cannot open");
    if (out.appendFrom(in.get(), count) != count)
        throw FileError::fromErrno(questionFile, "cannot read");
}

std::uint32_t offsetField(std::uint64_t value, const fs::path& target) {
    if (value > std::numeric_limits<std::uint32_t>::max())
        throw FileError(target, "the quiz is too large for a compiled quiz");
    return static_cast<std::uint32_t>(value);
}

} // namespace

QuizFileSet QuizFileSet::named(fs::path quizFolder, QuizKind kind, std::string_view quizFile) {
    const auto& extensions = ExtensionsOf(kind);
    QuizFileSet files;
    files.quizFolder = std::move(quizFolder);
    files.kind = kind;
    files.quizFile = std::string(quizFile);
    files.questionFile = ReplaceExtension(quizFile, extensions.questions);
    files.topicFile = ReplaceExtension(quizFile, extensions.topics);
    return files;
}

std::string QuizFileSet::baseName() const {
    return QuizBaseName(quizFile);
}

fs::path QuizFileSet::besideQuiz(std::string_view extension) const {
    return quizFolder / (baseName() + std::string(extension));
}

fs::path CompileQuiz(const QuizFileSet& files, const QuizSettings& settings) {
    const fs::path target = files.besideQuiz(ExtensionsOf(files.kind).compiled);
    const auto topicFile = ResolveDiskFile(files.quizFolder, files.topicFile);
    const auto questionFile = ResolveDiskFile(files.quizFolder, files.questionFile);
    if (!questionFile)
        throw FileError(files.quizFolder / files.questionFile, kNoQuestions);
    const std::uint64_t recordBytes = recordBytesOf(*questionFile, files.kind);

    // Compiled from the quiz files, which stay as they were: forcing the
    // result to the disk would make compiling several times slower than
    // copying and protect nothing that cannot be compiled again. The topic
    // block is streamed; the directory that gives its size is put in place
    // once it is written.
    AtomicFileWriter out(target, DiskSync::kNoSync);
    out.reserve(kCompiledHeadSize + recordBytes + topicBlockEstimate(topicFile));
    CompiledQuizDirectory directory;
    out.write(settings.bytes().data(), settings.bytes().size());
    out.write(directory.bytes().data(), directory.bytes().size());
    const std::uint64_t topicSize = topicFile ? appendTopicBlock(*topicFile, out) : 0;
    directory.setKind(static_cast<std::uint32_t>(files.kind));
    directory.setTopicOffset(topicFile ? static_cast<std::uint32_t>(kCompiledHeadSize) : 0);
    directory.setQuestionOffset(offsetField(kCompiledHeadSize + topicSize, target));
    directory.setQuestionCount(offsetField(recordBytes / QuestionRecordSize(files.kind), target));
    out.writeAt(kCompiledDirectoryOffset, directory.bytes().data(), directory.bytes().size());
    appendRecords(*questionFile, recordBytes, out);
    out.commit();
    return target;
}

fs::path BuildExecutableQuiz(const QuizFileSet& files, const QuizSettings& settings,
                             const fs::path& stub) {
    const fs::path compiled = CompileQuiz(files, settings);
    const fs::path executable = files.besideQuiz(".EXE");
    WriteExecutableQuiz(stub, compiled, executable);
    return executable;
}

} // namespace tavrin
