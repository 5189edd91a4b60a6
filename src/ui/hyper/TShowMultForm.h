#pragma once

#include <QImage>
#include <QTimer>
#include <cstdint>

#include "platform/PlatformDialog.h"

class QAudioOutput;
class QLabel;
class QMediaPlayer;

namespace tavrin {

struct MediaSession;

// A picture stretched over a 640 x 480 window, shown for a display time or
// until Escape, Enter or the right mouse button; the session's pending sound
// starts once the picture is on screen. A display time that runs out while
// the sound plays keeps the picture until the sound has ended.
class TShowMultForm : public PlatformDialog {
    Q_OBJECT

public:
    // `displayMilliseconds` below 1 keeps the picture until it is closed.
    TShowMultForm(Platform& platform, MediaSession& session, const QString& caption,
                  const QImage& picture, std::int64_t displayMilliseconds,
                  QWidget* parent = nullptr);

    QLabel* Image1;
    QTimer* Timer1; // starts the pending sound on its first tick
    QTimer* Timer2; // the display time
    // The window's own player of a MIDI sound; exists once one was started.
    QMediaPlayer* MediaPlayer1 = nullptr;

    void Timer1Timer();
    void Timer2Timer();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void startTune(const QString& path);
    void SoundEnded();
    void CloseWhenTimeAndSoundHaveEnded();

    MediaSession& session_;
    QAudioOutput* tuneOutput_ = nullptr;
    bool displayTimeOver_ = false;
    bool soundPlaying_ = false; // also while it waits for its start
};

} // namespace tavrin
