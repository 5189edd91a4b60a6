#include "ui/hyper/MediaDisplay.h"

#include <QCoreApplication>

#include "core/bytes/Cp1252.h"
#include "core/bytes/FileError.h"
#include "core/files/FolderNames.h"
#include "core/topics/TopicDisplay.h"
#include "platform/AudioOutput.h"
#include "platform/PictureLoader.h"
#include "platform/Platform.h"
#include "platform/PlatformConversions.h"
#include "ui/hyper/TMediaPlayForm.h"
#include "ui/hyper/TShowHTextForm.h"
#include "ui/hyper/TShowMultForm.h"
#include "ui/hyper/TTxtVPDispForm.h"
#include "ui/notes/THNotesForm.h"
#include "ui/present/ShowBackground.h"

namespace tavrin {
namespace {

constexpr int kHighColourBits = 16;

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

bool EndsWith(const std::string& name, std::string_view ending) {
    return UpperAscii(name).ends_with(ending);
}

// The named file in the quiz folder; tells the author and gives an empty
// path when it is not there.
std::filesystem::path ExistingOrReport(Platform& platform, const MediaSession& session,
                                       const std::string& name) {
    auto file = FindMediaFile(session.quizFolder, name);
    if (file.empty())
        platform.ShowError(MissingFileText(name));
    return file;
}

void GiveLowColourAdvisory(Platform& platform, const MediaSession& session) {
    if (!session.videoAdvisory || LowColourAdvisoryGiven())
        return;
    if (platform.ScreenColourDepth() >= kHighColourBits)
        return;
    platform.ShowInfo(LowColourAdvisoryText());
    MarkLowColourAdvisoryGiven();
}

void PlayMediaFile(Platform& platform, MediaSession& session, const std::string& file) {
    session.mediaPlayerFile = file;
    ShowMediaPlayer(platform, session);
}

// A notes file that is not in the quiz folder is opened by its name there,
// as an empty text.
QString NotesFileName(const MediaSession& session, const std::string& file) {
    const auto found = FindMediaFile(session.quizFolder, file);
    return found.empty() ? PathText(session.quizFolder / cp1252::toUtf8(file)) : PathText(found);
}

} // namespace

QString MissingFileText(const std::string& storedName) {
    return QStringLiteral("The file ") + ShownText(storedName) + QStringLiteral(" is missing");
}

QString LowColourAdvisoryText() {
    const QString lineBreak = QStringLiteral("\n\r");
    return QStringLiteral("Your video Display mode is set at 256 colors.") + lineBreak + lineBreak +
           QStringLiteral("The graphics in this program need High Color") + lineBreak +
           QStringLiteral("or True Color. At the Start Menu select Settings") + lineBreak +
           QStringLiteral("then Control Panel then Display - Settings to") + lineBreak +
           QStringLiteral("change the video Display mode");
}

void ShowMultimedia(Platform& platform, MediaSession& session, const QString& caption,
                    const std::string& command) {
    session.pendingSound.clear();
    session.mediaPlayerFile.clear();
    const MultimediaCommand media = SplitMultimediaCommand(command);
    if (!media.video.empty()) {
        if (!ExistingOrReport(platform, session, media.video).empty())
            PlayMediaFile(platform, session, media.video);
        return;
    }
    for (const std::string* name : {&media.picture, &media.sound}) {
        if (!name->empty() && ExistingOrReport(platform, session, *name).empty())
            return;
    }
    session.pendingSound = media.sound;
    if (!media.picture.empty()) {
        ShowPicture(platform, session, caption, media.picture, media.displayMilliseconds);
    } else if (EndsWith(media.sound, ".WAV")) {
        PlayWave(platform, session, media.sound);
    } else if (EndsWith(media.sound, ".MID")) {
        PlayMediaFile(platform, session, media.sound);
    }
}

void ShowPicture(Platform& platform, MediaSession& session, const QString& caption,
                 const std::string& picture, std::int64_t displayMilliseconds) {
    const auto file = ExistingOrReport(platform, session, picture);
    if (file.empty())
        return;
    GiveLowColourAdvisory(platform, session);
    QImage image;
    try {
        image = PictureLoader::Load(PathText(file));
    } catch (const FileError& error) {
        platform.ShowError(QString::fromStdString(error.what()));
        return;
    }
    TShowMultForm form(platform, session, caption, image, displayMilliseconds);
    platform.RunModal(form);
}

void ShowMediaPlayer(Platform& platform, MediaSession& session) {
    const auto file = ExistingOrReport(platform, session, session.mediaPlayerFile);
    if (file.empty())
        return;
    TMediaPlayForm form(platform, session.playerCaption, PathText(file), session.instruction);
    platform.RunModal(form);
}

void PlayWave(Platform& platform, const MediaSession& session, const std::string& sound) {
    QCoreApplication::processEvents();
    AudioOutput& output = session.audioOutput();
    if (!output.HasDevice())
        return;
    const auto file = ExistingOrReport(platform, session, sound);
    if (file.empty())
        return;
    const QString failure = output.PlayWaveAndWait(PathText(file));
    if (!failure.isEmpty())
        platform.ShowError(failure);
}

void ShowFormattedText(Platform& platform, const ViewPortDesign& design,
                       const std::vector<std::string>& lines, const QString& caption) {
    TShowHTextForm form(platform, design, lines, caption);
    platform.RunModal(form);
}

void ShowTextScreen(Platform& platform, const MediaSession& session, const ViewPortDesign& design,
                    const std::vector<std::string>& lines, const QString& caption) {
    TTxtVPDispForm form(platform, design, lines, caption, session.quizFolder);
    platform.RunModal(form);
}

void RunProgram(Platform& platform, const MediaSession& session, std::int32_t linkType,
                const std::string& command) {
    const ProgramLaunch launch = ProgramCommandLine(linkType, command, session.quizFolder);
    const ProcessResult result = platform.RunProgramAndWait(
        QString::fromStdString(launch.commandLine), PathText(launch.workingFolder));
    if (!result.started)
        platform.ShowError(QStringLiteral("Unable to start %1: %2")
                               .arg(QString::fromStdString(launch.program), result.error));
}

void OpenDocument(Platform& platform, const MediaSession& session, const std::string& file) {
    const auto found = FindMediaFile(session.quizFolder, file);
    platform.OpenDocument(found.empty() ? ShownText(file) : PathText(found));
}

void ShowTopic(Platform& platform, MediaSession& session, const std::vector<std::string>& lines) {
    TopicDisplay display;
    try {
        display = DecideTopicDisplay(lines, session.quizFolder);
    } catch (const FormatError& error) {
        platform.ShowError(QString::fromStdString(error.what()));
        return;
    }
    const QString caption = ShownText(display.caption);
    switch (display.kind) {
    case TopicDisplayKind::FormattedText:
        ShowFormattedText(platform, display.design, display.textLines, caption);
        break;
    case TopicDisplayKind::TextScreen:
        ShowTextScreen(platform, session, display.design, display.textLines, caption);
        break;
    case TopicDisplayKind::Multimedia:
        ShowMultimedia(platform, session, caption, display.command);
        break;
    case TopicDisplayKind::RunProgram:
        RunProgram(platform, session, display.linkType, display.command);
        break;
    case TopicDisplayKind::OpenDocument:
        OpenDocument(platform, session, display.command);
        break;
    case TopicDisplayKind::NotesViewer:
        ShowNotes(platform, NotesFileName(session, display.command));
        break;
    case TopicDisplayKind::Nothing:
        break;
    }
}

} // namespace tavrin
