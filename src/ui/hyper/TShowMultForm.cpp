#include "ui/hyper/TShowMultForm.h"

#include <algorithm>

#include <QAudioOutput>
#include <QKeyEvent>
#include <QLabel>
#include <QMediaPlayer>
#include <QMouseEvent>
#include <QPixmap>
#include <QUrl>
#include <QVBoxLayout>

#include "core/files/FolderNames.h"
#include "ui/hyper/MediaDisplay.h"
#include "ui/hyper/MediaSession.h"
#include "ui/present/ScreenPlacement.h"
#include "ui/present/ShowBackground.h"

namespace tavrin {
namespace {

constexpr int kSoundDelayMs = 10;

bool EndsWith(const std::string& name, std::string_view ending) {
    return UpperAscii(name).ends_with(ending);
}

} // namespace

TShowMultForm::TShowMultForm(Platform& platform, MediaSession& session, const QString& caption,
                             const QImage& picture, std::int64_t displayMilliseconds,
                             QWidget* parent)
    : PlatformDialog(platform, 0, parent), Image1(new QLabel(this)), Timer1(new QTimer(this)),
      Timer2(new QTimer(this)), session_(session) {
    setObjectName(QStringLiteral("TShowMultForm"));
    Image1->setObjectName(QStringLiteral("Image1"));
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer2->setObjectName(QStringLiteral("Timer2"));
    setWindowTitle(caption);
    setFixedSize(640, 480);
    CentreOnScreen(*this);

    Image1->setScaledContents(true);
    Image1->setPixmap(QPixmap::fromImage(picture));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Image1);

    Timer1->setInterval(kSoundDelayMs);
    connect(Timer1, &QTimer::timeout, this, &TShowMultForm::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TShowMultForm::Timer2Timer);
    if (displayMilliseconds >= 1) {
        Timer2->setSingleShot(true);
        Timer2->setInterval(static_cast<int>(std::min<std::int64_t>(displayMilliseconds, 1 << 30)));
        Timer2->start();
    }
    if (!session_.pendingSound.empty()) {
        soundPlaying_ = true;
        Timer1->start();
    }
}

void TShowMultForm::Timer1Timer() {
    Timer1->stop();
    const std::string sound = session_.pendingSound;
    if (EndsWith(sound, ".MID")) {
        const auto file = FindMediaFile(session_.quizFolder, sound);
        if (!file.empty()) {
            startTune(QString::fromStdU16String(file.u16string()));
            return;
        }
    } else if (EndsWith(sound, ".WAV")) {
        PlayWave(platform(), session_, sound);
    }
    SoundEnded();
}

void TShowMultForm::startTune(const QString& path) {
    MediaPlayer1 = new QMediaPlayer(this);
    MediaPlayer1->setObjectName(QStringLiteral("MediaPlayer1"));
    tuneOutput_ = new QAudioOutput(this);
    MediaPlayer1->setAudioOutput(tuneOutput_);
    MediaPlayer1->setSource(QUrl::fromLocalFile(path));
    connect(MediaPlayer1, &QMediaPlayer::mediaStatusChanged, this,
            [this](QMediaPlayer::MediaStatus status) {
                if (status == QMediaPlayer::EndOfMedia || status == QMediaPlayer::InvalidMedia)
                    SoundEnded();
            });
    connect(MediaPlayer1, &QMediaPlayer::errorOccurred, this, &TShowMultForm::SoundEnded);
    MediaPlayer1->play();
}

void TShowMultForm::SoundEnded() {
    soundPlaying_ = false;
    CloseWhenTimeAndSoundHaveEnded();
}

void TShowMultForm::Timer2Timer() {
    Timer2->stop();
    displayTimeOver_ = true;
    CloseWhenTimeAndSoundHaveEnded();
}

void TShowMultForm::CloseWhenTimeAndSoundHaveEnded() {
    if (displayTimeOver_ && !soundPlaying_)
        reject();
}

void TShowMultForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        reject();
        return;
    }
    PlatformDialog::keyPressEvent(event);
}

void TShowMultForm::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        reject();
        return;
    }
    PlatformDialog::mousePressEvent(event);
}

} // namespace tavrin
