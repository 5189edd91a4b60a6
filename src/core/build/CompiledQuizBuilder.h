#pragma once

#include <filesystem>
#include <string_view>

#include "core/questions/QuizKind.h"
#include "core/settings/QuizSettings.h"

namespace tavrin {

// The files of one quiz, named as the quiz state keeps them: relative names
// are taken inside `quizFolder` (looked up without regard to case), absolute
// ones as they are.
struct QuizFileSet {
    std::filesystem::path quizFolder;
    QuizKind kind = QuizKind::QA;
    std::string quizFile;     // NAME.QAJ / .TIJ / .MCJ; gives NAME
    std::string questionFile; // NAME.QAQ / .TIQ / .MCQ
    std::string topicFile;    // NAME.QAR / .TIR / .MCR

    // The set of a quiz file with the question and topic files named after it.
    static QuizFileSet named(std::filesystem::path quizFolder, QuizKind kind,
                             std::string_view quizFile);

    std::string baseName() const;
    // quizFolder / (NAME + extension)
    std::filesystem::path besideQuiz(std::string_view extension) const;
};

// Writes NAME.QAC, NAME.TIC or NAME.MCC in the quiz folder: the settings, the
// 16-byte directory, the indexed topic block (none when there is no topic
// file) and the whole question records. The file is replaced in one step, so
// a failed compile leaves the earlier compiled quiz as it was; no temporary
// topic index is left in the folder. Returns the compiled file's path.
// Throws FileError naming the file at fault (the topic file when its topics
// are too large to index, the question file when the quiz has no questions or
// its last record is cut short).
std::filesystem::path CompileQuiz(const QuizFileSet& files, const QuizSettings& settings);

// Compiles the quiz, then writes NAME.EXE in the quiz folder: the runner stub
// followed by the compiled quiz, with its run bits set. Returns its path.
std::filesystem::path BuildExecutableQuiz(const QuizFileSet& files, const QuizSettings& settings,
                                          const std::filesystem::path& stub);

} // namespace tavrin
