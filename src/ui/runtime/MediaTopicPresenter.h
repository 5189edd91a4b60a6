#pragma once

#include "ui/hyper/MediaSession.h"
#include "ui/runtime/TopicPresenter.h"

namespace tavrin {

// Shows a run's topics, media and programs in the media windows. The about
// box and the introduction screen are not built yet and still say so.
class MediaTopicPresenter : public PendingTopicPresenter {
public:
    MediaTopicPresenter(Platform& platform, MediaSession session);

    // A session for a quiz played from the folder that holds it.
    static MediaSession SessionForQuizFolder(const std::filesystem::path& quizFolder);

    void PrepareMediaWindows(const QString& caption, const std::string& instruction,
                             bool videoAdvisory) override;
    void ShowTopic(const std::vector<std::string>& lines) override;
    void ShowMultimedia(const QString& caption, const std::string& command) override;
    void RunProgram(int linkType, const std::string& command) override;
    void OpenDocument(const std::string& command) override;

    const MediaSession& session() const { return session_; }

private:
    Platform& platform_;
    MediaSession session_;
};

} // namespace tavrin
