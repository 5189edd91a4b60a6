#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/settings/ViewPortDesign.h"
#include "core/topics/TopicCommand.h"

namespace tavrin {

// Which window (or program) shows a topic.
enum class TopicDisplayKind {
    Nothing,       // LinkType 0, 11, 12 and unknown codes
    FormattedText, // 1: text window placed at the view port
    TextScreen,    // 5: 640 x 480 screen, text over a background
    Multimedia,    // 2, 3, 6, 7, 8
    RunProgram,    // 4, 9
    OpenDocument,  // 10: the document opened by the system's viewer
    NotesViewer,   // 13: a plain-text notes file
};

// What showing a topic comes to, decided without opening any window.
struct TopicDisplay {
    TopicDisplayKind kind = TopicDisplayKind::Nothing;
    std::int32_t linkType = 0;
    // The windows' caption: line 0, without brackets when it is a head line.
    std::string caption;
    // The command value: media, document or notes file, as stored.
    std::string command;
    MultimediaCommand media;            // Multimedia
    ViewPortDesign design;              // FormattedText, TextScreen
    std::vector<std::string> textLines; // FormattedText, TextScreen
    ProgramLaunch program;              // RunProgram
};

// Decides how to show the topic given by its lines (from FindTopic or from
// an indexed block; callers showing question information blank line 0 first).
// Throws FormatError when the type or a display value does not convert.
TopicDisplay DecideTopicDisplay(const std::vector<std::string>& lines,
                                const std::filesystem::path& quizFolder);

// Fills the design from a display topic's lines (values after the first "="
// at fixed positions; RLTop and RLLeft keep their values) and appends the
// text lines from position 17 on. Throws FormatError, changing nothing, when
// a value does not convert or the lines stop before the print line.
void ParseDisplayTopic(const std::vector<std::string>& lines, ViewPortDesign& design,
                       std::vector<std::string>& textLines);

} // namespace tavrin
