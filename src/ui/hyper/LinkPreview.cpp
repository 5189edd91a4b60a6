#include "ui/hyper/LinkPreview.h"

#include "core/Cp1252.h"
#include "core/TopicCommand.h"
#include "platform/Platform.h"

namespace tavrin {
namespace {

void notAvailable(Platform& platform) {
    platform.ShowInfo(QStringLiteral("This function is not available yet."));
}

} // namespace

void PreviewMultimedia(Platform& platform, const QString&, const std::string&,
                       const std::filesystem::path&) {
    notAvailable(platform);
}

void PreviewFormattedText(Platform& platform, const ViewPortDesign&,
                          const std::vector<std::string>&) {
    notAvailable(platform);
}

void PreviewTextScreen(Platform& platform, const ViewPortDesign&, const std::vector<std::string>&) {
    notAvailable(platform);
}

void PreviewNotesFile(Platform& platform, const std::filesystem::path&) {
    notAvailable(platform);
}

void RunLinkedProgram(Platform& platform, int linkType, const std::string& value,
                      const std::filesystem::path& quizFolder) {
    const ProgramLaunch launch = ProgramCommandLine(linkType, value, quizFolder);
    const ProcessResult result =
        platform.RunProgramAndWait(QString::fromStdString(cp1252::toUtf8(launch.commandLine)),
                                   QString::fromStdString(launch.workingFolder.string()));
    if (!result.started) {
        platform.ShowError(result.error);
    }
}

} // namespace tavrin
