#include "ui/hyper/LinkPreview.h"

#include "core/topics/TopicCommand.h"
#include "platform/Platform.h"
#include "platform/PlatformConversions.h"
#include "ui/hyper/MediaDisplay.h"
#include "ui/notes/THNotesForm.h"
#include "ui/present/ShowBackground.h"

namespace tavrin {

void PreviewMultimedia(Platform& platform, const QString& caption, const std::string& command,
                       const std::filesystem::path& quizFolder) {
    MediaSession session = MediaSession::ForQuizFolder(quizFolder);
    ShowMultimedia(platform, session, caption, command);
}

void PreviewFormattedText(Platform& platform, const ViewPortDesign& design,
                          const std::vector<std::string>& textLines) {
    ShowFormattedText(platform, design, textLines, QString());
}

void PreviewTextScreen(Platform& platform, const std::filesystem::path& quizFolder,
                       const ViewPortDesign& design, const std::vector<std::string>& textLines) {
    ShowTextScreen(platform, MediaSession::ForQuizFolder(quizFolder), design, textLines, QString());
}

void PreviewNotesFile(Platform& platform, const std::filesystem::path& quizFolder,
                      const QString& name) {
    const std::filesystem::path found = FindMediaFile(quizFolder, StoredText(name));
    ShowNotes(platform, found.empty() ? QString::fromStdU16String(
                                            (quizFolder / name.toStdU16String()).u16string())
                                      : QString::fromStdU16String(found.u16string()));
}

void RunLinkedProgram(Platform& platform, int linkType, const std::string& value,
                      const std::filesystem::path& quizFolder) {
    RunProgram(platform, MediaSession::ForQuizFolder(quizFolder), linkType, value);
}

} // namespace tavrin
