#pragma once

#include "ui/hyper/MediaSession.h"
#include "ui/runtime/TopicPresenter.h"

namespace tavrin {

// Shows a run's topics, media, programs and about box in their windows. The
// introduction screen is not built yet and still says so.
class MediaTopicPresenter : public PendingTopicPresenter {
public:
    MediaTopicPresenter(Platform& platform, MediaSession session);

    void PrepareMediaWindows(const QString& caption, const std::string& instruction,
                             bool videoAdvisory) override;
    void ShowTopic(const std::vector<std::string>& lines) override;
    void ShowMultimedia(const QString& caption, const std::string& command) override;
    void RunProgram(int linkType, const std::string& command) override;
    void OpenDocument(const std::string& command) override;
    void ShowAboutBox(const AboutBoxDesign& design) override;

    const MediaSession& session() const { return session_; }

private:
    Platform& platform_;
    MediaSession session_;
};

} // namespace tavrin
