#include "platform/AudioOutput.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QBuffer>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>

namespace tavrin {
namespace {

constexpr int kGraceMs = 2000;
// How long a sound whose length is never reported may play.
constexpr int kUnknownLengthMs = 60000;

} // namespace

bool QtAudioOutput::HasDevice() const {
    return !QMediaDevices::audioOutputs().isEmpty();
}

QString QtAudioOutput::PlayWaveAndWait(const QString& path) {
    // The whole sound is read first, as it is played from memory.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return path + QStringLiteral(": ") + file.errorString();
    QBuffer sound;
    sound.setData(file.readAll());
    sound.open(QIODevice::ReadOnly);

    QMediaPlayer player;
    QAudioOutput output;
    player.setAudioOutput(&output);
    QEventLoop wait;
    QString failure;
    QObject::connect(
        &player, &QMediaPlayer::mediaStatusChanged, &wait, [&](QMediaPlayer::MediaStatus status) {
            if (status == QMediaPlayer::EndOfMedia || status == QMediaPlayer::InvalidMedia)
                wait.quit();
        });
    QObject::connect(&player, &QMediaPlayer::errorOccurred, &wait,
                     [&](QMediaPlayer::Error, const QString& text) {
                         failure = path + QStringLiteral(": ") + text;
                         wait.quit();
                     });
    // A back end that never reports the end must not hold the program: give
    // up a little after the sound's own length.
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &wait, &QEventLoop::quit);
    QObject::connect(&player, &QMediaPlayer::durationChanged, &wait,
                     [&](qint64 length) { limit.start(static_cast<int>(length) + kGraceMs); });
    QObject::connect(&player, &QMediaPlayer::playbackStateChanged, &wait,
                     [&](QMediaPlayer::PlaybackState state) {
                         if (state == QMediaPlayer::StoppedState)
                             wait.quit();
                     });
    player.setSourceDevice(&sound, QUrl::fromLocalFile(path));
    limit.start(kUnknownLengthMs);
    player.play();
    if (failure.isEmpty() && player.mediaStatus() != QMediaPlayer::EndOfMedia)
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    player.stop();
    return failure;
}

AudioOutput& DefaultAudioOutput() {
    static QtAudioOutput output;
    return output;
}

void PinMediaBackend() {
#ifdef Q_OS_LINUX
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
#endif
}

} // namespace tavrin
