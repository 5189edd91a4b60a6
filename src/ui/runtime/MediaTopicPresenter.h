#pragma once

#include "ui/hyper/MediaSession.h"
#include "ui/runtime/TopicPresenter.h"

namespace tavrin {

class Platform;

// Shows a run's topics, media, programs, about box and introduction in their
// windows, with files taken from the session's quiz folder.
class MediaTopicPresenter : public TopicPresenter {
public:
    MediaTopicPresenter(Platform& platform, MediaSession session);

    void PrepareMediaWindows(const QString& caption, const std::string& instruction,
                             bool videoAdvisory) override;
    void ShowTopic(const std::vector<std::string>& lines) override;
    void ShowMultimedia(const QString& caption, const std::string& command) override;
    void RunProgram(int linkType, const std::string& command) override;
    void OpenDocument(const std::string& command) override;
    void ShowAboutBox(const AboutBoxDesign& design) override;
    void ShowIntroduction(const std::vector<std::string>& lines, const ProgramScreens& screens,
                          const ProgramWindow& window) override;

    const MediaSession& session() const { return session_; }

private:
    Platform& platform_;
    MediaSession session_;
};

} // namespace tavrin
