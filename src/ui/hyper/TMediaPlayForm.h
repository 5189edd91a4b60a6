#pragma once

#include <QSize>
#include <QString>

#include "platform/PlatformDialog.h"

class QAudioOutput;
class QFrame;
class QLabel;
class QMediaPlayer;
class QProgressBar;
class QPushButton;
class QTimer;
class QVideoWidget;

namespace tavrin {

// Plays a video or MIDI tune: a player bar with the instruction beside the
// buttons, a progress gauge fed every second and, for a medium with a
// picture, a framed area of the picture's own size.
// Playing starts with the Play button; closing the window stops it.
class TMediaPlayForm : public PlatformDialog {
    Q_OBJECT

public:
    TMediaPlayForm(Platform& platform, const QString& caption, const QString& mediaPath,
                   const QString& instruction, QWidget* parent = nullptr);

    QMediaPlayer* MediaPlayer1;
    QPushButton* PlayBtn;
    QPushButton* PauseBtn;
    QPushButton* StopBtn;
    QPushButton* PrevBtn;
    QLabel* Label1;
    QProgressBar* Gauge1;
    QFrame* Bevel1;
    QVideoWidget* VideoWidget1;
    QTimer* Timer1;

    void FormActivate();
    void Timer1Timer();
    void PlayBtnClick();

    // Whether the medium was opened and how long it lasts, in milliseconds.
    bool mediaLoaded() const { return loaded_; }
    qint64 mediaLength() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void mediaStatusChanged();
    // Sizes the frame to the picture (none: 0 x 0) and the window around it;
    // a window with a picture stands in the middle of the screen.
    void placePicture(QSize picture);
    // The compact window of a medium without picture keeps clear of the
    // question of the quiz window behind it.
    void placeClearOfTheQuestion();

    QAudioOutput* audio_;
    QString mediaPath_;
    int barWidth_ = 0;
    bool activated_ = false;
    bool loaded_ = false;
};

} // namespace tavrin
