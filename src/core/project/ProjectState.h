#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "core/questions/QuestionFile.h"
#include "core/questions/QuizKind.h"
#include "core/questions/TQARecord.h"
#include "core/questions/TTMRecord.h"
#include "core/settings/QuizSettings.h"
#include "core/topics/TopicFile.h"

namespace tavrin {

// Asks the author a Yes/No question; true for Yes.
using AskYesNo = std::function<bool(const std::string& question)>;
// Converts a topic file of the earlier format in place.
using TopicFileUpgrade = std::function<void(const std::filesystem::path& topicFile)>;

// How an attempt to make a quiz current ended.
enum class OpenResult {
    kOpened,            // the quiz is current
    kNotOpened,         // no name given, or the author declined the conversion
    kFolderUnavailable, // the quiz folder could neither be created nor entered
};

inline constexpr const char* kUnableToCreateDirectory = "Unable to create the directory";

// The one process-wide state naming the program, the current quiz and its
// files, and what the forms are editing. Files are full paths inside
// quizFolder; an empty quizFile means no quiz is current.
struct ProjectState {
    QuizKind quizKind = QuizKind::QA;
    std::filesystem::path programFolder;
    std::filesystem::path quizFolder;
    std::filesystem::path quizFile;
    std::filesystem::path questionFile;
    std::filesystem::path topicFile;
    std::filesystem::path helpFile;
    std::string programTitle = "Tavrin for Windows Ver 2.2";
    std::string formatVersion = std::string(kFormatVersion);
    QuizSettings settings;
    TQARecord qaRecord;
    TTMRecord tmRecord;
    std::string currentQuestionId;
    bool lowColourDisplay = false;

    // Copies taken from the settings when a quiz opens, for the run-time: the
    // quiz program's title and the instruction shown with video and MIDI.
    std::string quizCaption;
    std::string mediaInstruction = "Press the Start button";

    // The state at start-up: program and quiz folder are the folder of the
    // running program, whose help file becomes the application's.
    static ProjectState AtStartUp(const std::filesystem::path& programPath);

    bool hasQuiz() const { return !quizFile.empty(); }
    // The quiz name: the quiz file's name without folder and extension.
    std::string quizName() const;

    QuestionFile questions() const { return QuestionFile(questionFile, quizKind); }

    // No quiz is current afterwards.
    void clearQuiz();

    // Makes `folder` the quiz folder of a new quiz named `name` (the kind's
    // extension replaces any the author typed) and opens it. An existing quiz
    // of that name is opened as it is. When the folder can be neither created
    // nor entered, or the quiz cannot be opened, the previous quiz stays
    // current. With an empty name no quiz is current.
    OpenResult StartNewQuiz(const std::filesystem::path& folder, const std::string& name,
                            const AskYesNo& ask,
                            const TopicFileUpgrade& upgradeTopicFile = UpgradeTopicFile);

    // Opens the quiz file the author chose (found in its folder without regard
    // to case; the quiz name is its name in upper case), or reopens the current quiz when nothing
    // was chosen.
    OpenResult SelectQuiz(const std::optional<std::filesystem::path>& chosen, const AskYesNo& ask,
                          const TopicFileUpgrade& upgradeTopicFile = UpgradeTopicFile);

    // Makes the quiz named by quizFile current: derives its question and
    // topic files, creates default settings for a new quiz, offers to convert
    // a quiz of the earlier format, then loads the settings. On any failure or
    // a declined conversion no quiz is current (so no other quiz's settings
    // can be written into this file) and the error is passed on.
    OpenResult OpenQuiz(const AskYesNo& ask,
                        const TopicFileUpgrade& upgradeTopicFile = UpgradeTopicFile);

    // Rewrites the earlier-format quiz file as current settings, then upgrades
    // the topic file. A short or damaged file is a FileError naming it and is
    // left as it was.
    void ConvertEarlierQuiz(const TopicFileUpgrade& upgradeTopicFile = UpgradeTopicFile);

    // The question put to the author before converting an earlier quiz.
    std::string conversionQuestion() const;

private:
    std::string selectedName_; // the upper-case name a selected quiz goes by
    void openCurrentQuiz(const AskYesNo& ask, const TopicFileUpgrade& upgradeTopicFile,
                         bool& declined);
};

// Creates the folder, or accepts it when it already exists, and makes it the
// process's current directory. False when neither works.
bool CreateOrEnterQuizFolder(const std::filesystem::path& folder);

// The outermost folder of `folder` that does not exist yet; empty when it exists.
std::filesystem::path FirstMissingFolder(const std::filesystem::path& folder);
// Removes `folder` and its parents up to `firstCreated` while they are empty.
void RemoveEmptyFoldersUpTo(const std::filesystem::path& folder,
                            const std::filesystem::path& firstCreated);

} // namespace tavrin
