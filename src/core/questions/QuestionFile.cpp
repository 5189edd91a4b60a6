#include "core/questions/QuestionFile.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include "core/bytes/FileError.h"
#include "core/bytes/ShortString.h"
#include "core/files/FileIO.h"
#include "core/files/FolderNames.h"
#include "core/files/PassThroughWriter.h"

namespace tavrin {
namespace fs = std::filesystem;

namespace {

// Identifier is a string[32] at byte 1 of both record kinds.
constexpr std::size_t kIdentifierOffset = 1;
constexpr std::size_t kIdentifierField = 33;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::string identifierOf(std::span<const std::uint8_t> record) {
    return shortstring::read(record.subspan(kIdentifierOffset, kIdentifierField));
}

FileHandle openForUpdate(const fs::path& path) {
    FileHandle file(std::fopen(path.c_str(), "r+b"));
    if (!file && errno == ENOENT)
        file.reset(std::fopen(path.c_str(), "w+b"));
    if (!file)
        throw FileError::fromErrno(path, "cannot open for writing");
    return file;
}

} // namespace

QuestionFile::QuestionFile(fs::path path, QuizKind kind)
    : path_(std::move(path)), kind_(kind), recordSize_(QuestionRecordSize(kind)) {}

bool QuestionFile::exists() const {
    std::error_code ec;
    return fs::is_regular_file(path_, ec);
}

std::uintmax_t QuestionFile::fileSize() const {
    if (!exists())
        return 0;
    std::error_code ec;
    const auto size = fs::file_size(path_, ec);
    if (ec)
        throw FileError(path_, "cannot read its size: " + ec.message());
    return size;
}

std::size_t QuestionFile::recordCount() const {
    return static_cast<std::size_t>(fileSize() / recordSize_);
}

void QuestionFile::requireSize(std::size_t size) const {
    if (size != recordSize_)
        throw FormatError("a " + std::to_string(size) + "-byte record cannot be stored in " +
                          path_.string() + ", whose records have " + std::to_string(recordSize_) +
                          " bytes");
}

std::vector<std::string> QuestionFile::ListQuestionIds() const {
    std::vector<std::string> ids;
    for (const auto& record : LoadAllQuestions())
        ids.push_back(identifierOf(record));
    return ids;
}

std::vector<std::uint8_t> QuestionFile::ReadQuestion(std::size_t n) const {
    auto record = ReadFileRange(path_, static_cast<std::uint64_t>(n) * recordSize_, recordSize_);
    if (record.size() != recordSize_)
        throw FileError(path_, "has no question " + std::to_string(n + 1));
    return record;
}

TTMRecord QuestionFile::ReadTMRecord(std::size_t n) const {
    requireSize(TTMRecord::size);
    TTMRecord record;
    record.assignBytes(ReadQuestion(n));
    return record;
}

void QuestionFile::WriteQuestion(std::ptrdiff_t n, std::span<const std::uint8_t> record) {
    requireSize(record.size());
    const std::size_t count = recordCount();
    if (n < kAppend || (n >= 0 && static_cast<std::size_t>(n) > count))
        throw FileError(path_, "has no question " + std::to_string(n + 1) + " to write");
    const std::size_t index = n == kAppend ? count : static_cast<std::size_t>(n);
    FileHandle file = openForUpdate(path_);
    const auto offset = static_cast<long>(index * recordSize_);
    if (std::fseek(file.get(), offset, SEEK_SET) != 0 ||
        std::fwrite(record.data(), 1, record.size(), file.get()) != record.size() ||
        std::fflush(file.get()) != 0)
        throw FileError::fromErrno(path_, "cannot write");
    if (std::fclose(file.release()) != 0)
        throw FileError::fromErrno(path_, "cannot write");
}

void QuestionFile::WriteQuestion(std::ptrdiff_t n, const TQARecord& record) {
    WriteQuestion(n, record.view());
}

void QuestionFile::WriteQuestion(std::ptrdiff_t n, const TTMRecord& record) {
    WriteQuestion(n, record.view());
}

std::vector<std::vector<std::uint8_t>> QuestionFile::LoadAllQuestions() const {
    std::vector<std::vector<std::uint8_t>> records;
    if (!exists())
        return records;
    const std::vector<std::uint8_t> data = ReadFileBytes(path_);
    const std::size_t count = data.size() / recordSize_;
    records.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const auto start = data.begin() + static_cast<std::ptrdiff_t>(i * recordSize_);
        records.emplace_back(start, start + static_cast<std::ptrdiff_t>(recordSize_));
    }
    return records;
}

bool QuestionFile::IdentifierInUse(std::string_view newId, std::string_view oldId) const {
    if (EqualNoCase(newId, oldId) || !exists())
        return false;
    for (const auto& id : ListQuestionIds())
        if (EqualNoCase(id, newId))
            return true;
    return false;
}

void QuestionFile::CompactQuestionFile() {
    // Read a block of whole records at a time, so the file is never held
    // whole; kept records are passed on by where they lie, so that runs of
    // them are copied by the kernel. Bytes after the last whole record belong
    // to no question and are left out.
    if (!exists())
        return;
    AtomicFileWriter writer(path_);
    const std::size_t recordsPerBlock = PassThroughWriter::kBlockSize / recordSize_;
    PassThroughWriter records(path_, writer, recordsPerBlock * recordSize_);
    std::uint64_t blockStart = 0;
    bool keptAny = false;
    records.readBlocks([&](std::string_view block) {
        for (std::size_t at = 0; at + recordSize_ <= block.size(); at += recordSize_) {
            if (block[at] != 0)
                continue; // marked deleted
            records.copy(blockStart + at, recordSize_);
            keptAny = true;
        }
        blockStart += block.size();
    });
    if (keptAny) {
        writer.commit();
        return;
    }
    std::error_code ec;
    fs::remove(path_, ec);
    if (ec)
        throw FileError(path_, "cannot delete: " + ec.message());
}

void DeleteQuestion(QuestionFile& file, std::size_t n, const RemoveQuestionTopic& removeTopic) {
    std::vector<std::uint8_t> record = file.ReadQuestion(n);
    record.front() = 1;
    file.WriteQuestion(static_cast<std::ptrdiff_t>(n), record);
    const bool hasInformation = record.back() != 0;
    if (hasInformation && removeTopic) {
        try {
            removeTopic(identifierOf(record));
        } catch (...) {
            file.CompactQuestionFile();
            throw;
        }
    }
    file.CompactQuestionFile();
}

} // namespace tavrin
