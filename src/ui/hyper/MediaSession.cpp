#include "ui/hyper/MediaSession.h"

#include "core/project/ProjectState.h"
#include "platform/AudioOutput.h"
#include "platform/PlatformConversions.h"

namespace tavrin {
namespace {

// One advisory per run across every window of the process.
bool advisoryGiven = false;

} // namespace

MediaSession MediaSession::ForProject(const ProjectState& state) {
    MediaSession session;
    session.quizFolder = state.quizFolder;
    session.playerCaption = ShownText(state.quizCaption);
    session.instruction = ShownText(state.mediaInstruction);
    session.videoAdvisory = state.settings.programWindow().showVideoAdvisory();
    return session;
}

MediaSession MediaSession::ForQuizFolder(const std::filesystem::path& quizFolder) {
    MediaSession session;
    session.quizFolder = quizFolder;
    return session;
}

AudioOutput& MediaSession::audioOutput() const {
    return audio != nullptr ? *audio : DefaultAudioOutput();
}

void ClearLowColourAdvisoryMark() {
    advisoryGiven = false;
}

bool LowColourAdvisoryGiven() {
    return advisoryGiven;
}

void MarkLowColourAdvisoryGiven() {
    advisoryGiven = true;
}

} // namespace tavrin
