#include "core/build/CompiledQuiz.h"

#include <string>

#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"

namespace tavrin {
namespace {

std::string number(std::uint64_t value) {
    return std::to_string(value);
}

} // namespace

CompiledQuiz::CompiledQuiz(std::vector<std::uint8_t> data) : data_(std::move(data)) {
    validate();
}

CompiledQuiz CompiledQuiz::fromFile(const std::filesystem::path& path) {
    try {
        return CompiledQuiz(ReadFileBytes(path));
    } catch (const FormatError& error) {
        throw FormatError(path.string() + ": " + error.what());
    }
}

void CompiledQuiz::validate() {
    if (data_.size() < kCompiledHeadSize)
        throw FormatError("not a compiled quiz: " + number(data_.size()) + " bytes, at least " +
                          number(kCompiledHeadSize) + " expected");
    directory_.assignBytes(std::span<const std::uint8_t>(data_).subspan(
        kCompiledDirectoryOffset, CompiledQuizDirectory::size));
    const std::uint32_t kindNumber = directory_.kind();
    const auto kind =
        kindNumber <= 3 ? QuizKindFromNumber(static_cast<int>(kindNumber)) : std::nullopt;
    if (!kind)
        throw FormatError("compiled quiz of unknown kind " + number(directory_.kind()));
    kind_ = *kind;

    const std::uint64_t size = data_.size();
    const std::uint64_t questionOffset = directory_.questionOffset();
    if (questionOffset < kCompiledHeadSize || questionOffset > size)
        throw FormatError("question records at offset " + number(questionOffset) +
                          " lie outside the compiled quiz of " + number(size) + " bytes");
    const std::uint64_t topicOffset = directory_.topicOffset();
    if (topicOffset != 0 && (topicOffset < kCompiledHeadSize || topicOffset > questionOffset))
        throw FormatError("topic block at offset " + number(topicOffset) +
                          " does not lie between the directory and the question records");
    // 32-bit count times a record size of at most 1367 cannot overflow 64 bits.
    const std::uint64_t recordBytes = std::uint64_t{directory_.questionCount()} * recordSize();
    if (recordBytes > size - questionOffset)
        throw FormatError(number(directory_.questionCount()) + " question records of " +
                          number(recordSize()) + " bytes do not fit after offset " +
                          number(questionOffset) + " in " + number(size) + " bytes");
    if (hasTopics())
        topics_.emplace(topicBlock());
}

std::span<const std::uint8_t> CompiledQuiz::settingsBytes() const {
    return std::span<const std::uint8_t>(data_).first(kCompiledSettingsSize);
}

std::span<const std::uint8_t> CompiledQuiz::topicBlock() const {
    if (!hasTopics())
        return {};
    const std::size_t start = directory_.topicOffset();
    return std::span<const std::uint8_t>(data_).subspan(start, directory_.questionOffset() - start);
}

std::span<const std::uint8_t> CompiledQuiz::questionRecord(std::size_t index) const {
    if (index >= questionCount())
        throw FormatError("question " + number(index) + " of " + number(questionCount()) +
                          " requested");
    return std::span<const std::uint8_t>(data_).subspan(
        directory_.questionOffset() + index * recordSize(), recordSize());
}

} // namespace tavrin
