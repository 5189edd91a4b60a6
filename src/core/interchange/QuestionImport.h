#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "core/interchange/InterchangeQuestion.h"
#include "core/interchange/QuestionMapping.h"
#include "core/questions/QuizKind.h"

namespace tavrin::interchange {

// The files of the quiz that questions are imported into or exported from.
struct QuizFiles {
    QuizKind kind = QuizKind::QA;
    std::filesystem::path quizFolder;
    std::filesystem::path questionFile;
    std::filesystem::path topicFile;
};

// One line of the report: a question of the file and what became of it.
struct ReportEntry {
    std::string where; // "line 12"
    std::string name;
    bool imported = false;
    std::string outcome; // "imported as Q1" or the reason it was not
};

// A file written into the quiz folder for a question's information.
struct PlannedMedia {
    std::string storedName; // Windows-1252, as the topic names it
    std::filesystem::path path;
    std::string bytes;
    bool alreadyThere = false; // the same file is in the folder already
};

// What an import will do, worked out before anything is written: the
// records to add, the report for the author, and the files to write.
struct ImportPlan {
    QuizFiles files;
    std::vector<MappedRecord> records;
    std::vector<std::size_t> mediaOfRecord; // index into media, or npos
    std::vector<PlannedMedia> media;
    std::vector<ReportEntry> entries;
    std::vector<std::string> notes;
    std::size_t imported = 0;
    std::size_t refused = 0;

    // The report as lines of text: a summary, the file's notes, then one line
    // per question.
    std::string reportText() const;
};

// Maps the questions read onto the quiz, against the identifiers and topic
// names the quiz already has, and picks the names of the media files (never
// one of a different file already in the quiz folder). Writes nothing.
ImportPlan PlanImport(const ReadResult& read, const QuizFiles& files);

// Adds the planned records and their information: new media files are
// written first, then the topic file and the question file are each replaced
// whole. Should any step fail, everything written is undone, so the quiz is
// as it was, and the error is passed on.
void CommitImport(const ImportPlan& plan);

} // namespace tavrin::interchange
