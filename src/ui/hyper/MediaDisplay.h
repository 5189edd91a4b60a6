#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "core/settings/ViewPortDesign.h"
#include "ui/hyper/MediaSession.h"

namespace tavrin {

class Platform;

// The windows that show or play a topic. Each call returns when its window
// has closed (or the sound has ended). Stored names are looked up in the
// session's quiz folder without regard to case.

// A picture, sound, picture with sound, video or MIDI tune, as a command
// value such as "PICTURE.BMP,SOUND.WAV,50" names them.
void ShowMultimedia(Platform& platform, MediaSession& session, const QString& caption,
                    const std::string& command);

// The picture (found in the quiz folder) for a display time in milliseconds,
// below 1 until closed; starts the session's pending sound once it shows.
void ShowPicture(Platform& platform, MediaSession& session, const QString& caption,
                 const std::string& picture, std::int64_t displayMilliseconds);

// The player window on the session's media-player file.
void ShowMediaPlayer(Platform& platform, MediaSession& session);

// Plays a wave sound to its end; nothing at all without an audio output.
void PlayWave(Platform& platform, const MediaSession& session, const std::string& sound);

// Formatted text in a window at the design's view port.
void ShowFormattedText(Platform& platform, const ViewPortDesign& design,
                       const std::vector<std::string>& lines, const QString& caption);

// Formatted text on a 640 x 480 screen over the design's background.
void ShowTextScreen(Platform& platform, const MediaSession& session, const ViewPortDesign& design,
                    const std::vector<std::string>& lines, const QString& caption);

// Shows or plays one topic given by its lines (callers showing question
// information blank line 0 first, which leaves the caption empty). A topic
// whose values do not convert is reported in the error box.
void ShowTopic(Platform& platform, MediaSession& session, const std::vector<std::string>& lines);

// Starts the program of a LinkType 4 or 9 command in the quiz folder and
// returns when it has ended.
void RunProgram(Platform& platform, const MediaSession& session, std::int32_t linkType,
                const std::string& command);

// Opens a document or web page with the desktop's viewer.
void OpenDocument(Platform& platform, const MediaSession& session, const std::string& file);

// "The file NAME is missing".
QString MissingFileText(const std::string& storedName);

// The advisory given once when the screen shows fewer than 65536 colours.
QString LowColourAdvisoryText();

} // namespace tavrin
