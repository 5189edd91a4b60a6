#include "ui/runtime/MediaTopicPresenter.h"

#include "platform/PlatformConversions.h"
#include "ui/hyper/MediaDisplay.h"
#include "ui/present/TAboutBox.h"
#include "ui/present/TIntDispForm.h"

namespace tavrin {

MediaTopicPresenter::MediaTopicPresenter(Platform& platform, MediaSession session)
    : platform_(platform), session_(std::move(session)) {}

void MediaTopicPresenter::PrepareMediaWindows(const QString& caption,
                                              const std::string& instruction, bool videoAdvisory) {
    session_.playerCaption = caption;
    session_.instruction = ShownText(instruction);
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

void MediaTopicPresenter::ShowAboutBox(const AboutBoxDesign& design) {
    tavrin::ShowAboutBox(platform_, session_.quizFolder, design);
}

void MediaTopicPresenter::ShowIntroduction(const std::vector<std::string>& lines,
                                           const ProgramScreens& screens,
                                           const ProgramWindow& window) {
    tavrin::ShowIntroduction(platform_, session_.quizFolder, screens, window, lines);
}

} // namespace tavrin
