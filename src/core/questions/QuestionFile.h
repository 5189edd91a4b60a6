#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/questions/QuizKind.h"
#include "core/questions/TQARecord.h"
#include "core/questions/TTMRecord.h"

namespace tavrin {

// The question file of a quiz: fixed-size records of the kind (217 bytes for
// QA, 1367 for TI and MC), no header, in the order they were added. It exists
// exactly when the quiz has a question. Every call opens the file, does its
// work and closes it again. Errors are FileError naming the file.
//
// A file whose size is not a whole number of records (cut short by a crash,
// say) is read up to its last whole record; the bytes after it are ignored.
class QuestionFile {
public:
    static constexpr std::ptrdiff_t kAppend = -1;

    QuestionFile(std::filesystem::path path, QuizKind kind);

    const std::filesystem::path& path() const { return path_; }
    QuizKind kind() const { return kind_; }
    std::size_t recordSize() const { return recordSize_; }

    bool exists() const;
    // Whole records in the file; 0 when it does not exist.
    std::size_t recordCount() const;

    // The identifier of every record in file order; index = record number.
    std::vector<std::string> ListQuestionIds() const;

    // Record n (from 0) as raw bytes.
    std::vector<std::uint8_t> ReadQuestion(std::size_t n) const;
    TTMRecord ReadTMRecord(std::size_t n) const;

    // Writes one record at n, or after the last record when n is kAppend; the
    // file is created when absent. n may be at most the record count.
    void WriteQuestion(std::ptrdiff_t n, std::span<const std::uint8_t> record);
    void WriteQuestion(std::ptrdiff_t n, const TQARecord& record);
    void WriteQuestion(std::ptrdiff_t n, const TTMRecord& record);

    // A copy of every whole record, in file order; empty when the file is absent.
    std::vector<std::vector<std::uint8_t>> LoadAllQuestions() const;

    // True when another question already uses `newId` (case ignored). A
    // question keeping its own identifier (`oldId`, empty for a new question)
    // never clashes; every record takes part, marked ones included.
    bool IdentifierInUse(std::string_view newId, std::string_view oldId) const;

    // Drops every record marked deleted. The new content replaces the file in
    // one step, so a failure leaves the old file as it was. When no record
    // remains the file is deleted.
    void CompactQuestionFile();

private:
    void requireSize(std::size_t size) const;
    std::uintmax_t fileSize() const;

    std::filesystem::path path_;
    QuizKind kind_;
    std::size_t recordSize_;
};

// Removes the topic of a question's information; given the identifier.
using RemoveQuestionTopic = std::function<void(const std::string& identifier)>;

// Deletes question n: marks it deleted in the file, lets `removeTopic` drop
// its information topic when it has one, then compacts the file. The
// compaction runs even when removing the topic fails (that error is then
// passed on), so no marked record is left behind in the file.
void DeleteQuestion(QuestionFile& file, std::size_t n, const RemoveQuestionTopic& removeTopic);

} // namespace tavrin
