#include "ui/runtime/MediaTopicPresenter.h"

#include <QGuiApplication>
#include <QScreen>

#include "core/Cp1252.h"
#include "ui/hyper/MediaDisplay.h"

namespace tavrin {

MediaTopicPresenter::MediaTopicPresenter(Platform& platform, MediaSession session)
    : PendingTopicPresenter(platform), platform_(platform), session_(std::move(session)) {}

MediaSession MediaTopicPresenter::SessionForQuizFolder(const std::filesystem::path& quizFolder) {
    MediaSession session;
    session.quizFolder = quizFolder;
    // The 640 x 480 design area sits in the middle of the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        session.designOriginX = (screen->geometry().width() - 640) / 2;
        session.designOriginY = (screen->geometry().height() - 480) / 2;
    }
    return session;
}

void MediaTopicPresenter::PrepareMediaWindows(const QString& caption,
                                              const std::string& instruction, bool videoAdvisory) {
    session_.playerCaption = caption;
    session_.instruction = QString::fromStdString(cp1252::toUtf8(instruction));
    session_.videoAdvisory = videoAdvisory;
    // Each run may warn about a low-colour screen once.
    ClearLowColourAdvisoryMark();
}

void MediaTopicPresenter::ShowTopic(const std::vector<std::string>& lines) {
    tavrin::ShowTopic(platform_, session_, lines);
}

void MediaTopicPresenter::ShowMultimedia(const QString& caption, const std::string& command) {
    tavrin::ShowMultimedia(platform_, session_, caption, command);
}

void MediaTopicPresenter::RunProgram(int linkType, const std::string& command) {
    tavrin::RunProgram(platform_, session_, linkType, command);
}

void MediaTopicPresenter::OpenDocument(const std::string& command) {
    tavrin::OpenDocument(platform_, session_, command);
}

} // namespace tavrin
