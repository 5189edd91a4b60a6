#pragma once

#include <QString>
#include <string>
#include <vector>

#include "core/settings/AboutBoxDesign.h"
#include "core/settings/ProgramScreens.h"
#include "core/settings/ProgramWindow.h"

namespace tavrin {

// The windows a run opens around its questions: topics of information and
// feedback, media and programs of the opening and closing commands, the about
// box and the introduction. Each call returns when its window has closed.
class TopicPresenter {
public:
    virtual ~TopicPresenter() = default;

    // What the media windows of this run show: their caption, the instruction
    // beside video and MIDI, and whether the video advisory may still show.
    virtual void PrepareMediaWindows(const QString& caption, const std::string& instruction,
                                     bool videoAdvisory) = 0;
    // The lines of one topic, line 0 already blanked.
    virtual void ShowTopic(const std::vector<std::string>& lines) = 0;
    virtual void ShowMultimedia(const QString& caption, const std::string& command) = 0;
    virtual void RunProgram(int linkType, const std::string& command) = 0;
    virtual void OpenDocument(const std::string& command) = 0;
    virtual void ShowAboutBox(const AboutBoxDesign& design) = 0;
    virtual void ShowIntroduction(const std::vector<std::string>& lines,
                                  const ProgramScreens& screens, const ProgramWindow& window) = 0;
};

} // namespace tavrin
