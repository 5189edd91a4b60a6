#pragma once

#include <QString>
#include <filesystem>
#include <string>

namespace tavrin {

class AudioOutput;
struct ProjectState;

// What the media windows need from the quiz around them, and what they hand
// on to each other: the sound to start once a picture shows and the file of
// the media-player window. One session serves a quiz run or an authoring
// session; each call overwrites the hand-over fields.
struct MediaSession {
    std::filesystem::path quizFolder;
    // Caption of the media-player window and the instruction beside it.
    QString playerCaption;
    QString instruction;
    // Whether a picture may warn once about a screen of too few colours.
    bool videoAdvisory = false;
    AudioOutput* audio = nullptr; // the program's default output when null

    std::string pendingSound;
    std::string mediaPlayerFile;

    // Folder, captions and advisory switch of the current quiz.
    static MediaSession ForProject(const ProjectState& state);
    // For a quiz played or previewed from the folder that holds it.
    static MediaSession ForQuizFolder(const std::filesystem::path& quizFolder);

    AudioOutput& audioOutput() const;
};

// Lets the low-colour advisory be given once more; a quiz run calls this
// when it starts.
void ClearLowColourAdvisoryMark();
bool LowColourAdvisoryGiven();
void MarkLowColourAdvisoryGiven();

} // namespace tavrin
