#include "ui/hyper/TMediaPlayForm.h"

#include <algorithm>

#include <QAudioOutput>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMediaMetaData>
#include <QMediaPlayer>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QVideoSink>
#include <QVideoWidget>

#include "ui/present/ScreenPlacement.h"

namespace tavrin {
namespace {

constexpr int kBarHeight = 36;
constexpr int kGaugeTop = 40;
constexpr int kGaugeHeight = 14;
constexpr int kFrameTop = 58;
constexpr int kFrameInset = 4;
constexpr int kMinimumWidth = 360;
constexpr int kTickMs = 1000;
// Room left for the title bar and frame the desktop adds around the window.
constexpr int kFrameAllowance = 40;

QPushButton* PlayerButton(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

TMediaPlayForm::TMediaPlayForm(Platform& platform, const QString& caption, const QString& mediaPath,
                               const QString& instruction, QWidget* parent)
    : PlatformDialog(platform, 0, parent), MediaPlayer1(new QMediaPlayer(this)),
      PlayBtn(PlayerButton(tr("Play"), QStringLiteral("PlayBtn"), this)),
      PauseBtn(PlayerButton(tr("Pause"), QStringLiteral("PauseBtn"), this)),
      StopBtn(PlayerButton(tr("Stop"), QStringLiteral("StopBtn"), this)),
      PrevBtn(PlayerButton(tr("Previous"), QStringLiteral("PrevBtn"), this)),
      Label1(new QLabel(instruction, this)), Gauge1(new QProgressBar(this)),
      Bevel1(new QFrame(this)), VideoWidget1(new QVideoWidget(this)), Timer1(new QTimer(this)),
      audio_(new QAudioOutput(this)), mediaPath_(mediaPath) {
    setObjectName(QStringLiteral("TMediaPlayForm"));
    MediaPlayer1->setObjectName(QStringLiteral("MediaPlayer1"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    VideoWidget1->setObjectName(QStringLiteral("VideoWidget1"));
    Timer1->setObjectName(QStringLiteral("Timer1"));
    setWindowTitle(caption);

    auto* bar = new QHBoxLayout;
    for (QPushButton* button : {PlayBtn, PauseBtn, StopBtn, PrevBtn})
        bar->addWidget(button);
    bar->addWidget(Label1, 1);
    auto* barHolder = new QWidget(this);
    barHolder->setLayout(bar);
    // Wide enough for the buttons and the whole instruction.
    barWidth_ = std::max(kMinimumWidth, barHolder->sizeHint().width());
    barHolder->setGeometry(0, 0, barWidth_, kBarHeight);

    Gauge1->setTextVisible(false);
    Gauge1->setStyleSheet(QStringLiteral("QProgressBar::chunk { background: blue; }"));
    Gauge1->setRange(0, 0);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    VideoWidget1->hide();

    MediaPlayer1->setAudioOutput(audio_);
    MediaPlayer1->setVideoOutput(VideoWidget1);
    Timer1->setInterval(kTickMs);

    connect(PlayBtn, &QPushButton::clicked, this, &TMediaPlayForm::PlayBtnClick);
    connect(PauseBtn, &QPushButton::clicked, MediaPlayer1, &QMediaPlayer::pause);
    connect(StopBtn, &QPushButton::clicked, MediaPlayer1, &QMediaPlayer::stop);
    connect(PrevBtn, &QPushButton::clicked, this, [this] { MediaPlayer1->setPosition(0); });
    connect(Timer1, &QTimer::timeout, this, &TMediaPlayForm::Timer1Timer);
    connect(MediaPlayer1, &QMediaPlayer::mediaStatusChanged, this,
            &TMediaPlayForm::mediaStatusChanged);
    connect(MediaPlayer1, &QMediaPlayer::durationChanged, this,
            [this](qint64 length) { Gauge1->setRange(0, static_cast<int>(length)); });
    connect(
        VideoWidget1->videoSink(), &QVideoSink::videoSizeChanged, this,
        [this] { placePicture(VideoWidget1->videoSink()->videoSize()); },
        // The sink reports while holding its own lock, which asking
        // for the size would take again.
        Qt::QueuedConnection);
    placePicture({});
}

qint64 TMediaPlayForm::mediaLength() const {
    return MediaPlayer1->duration();
}

void TMediaPlayForm::showEvent(QShowEvent* event) {
    if (!activated_) {
        activated_ = true;
        FormActivate();
    }
    PlatformDialog::showEvent(event);
}

void TMediaPlayForm::FormActivate() {
    Gauge1->setValue(0);
    MediaPlayer1->setSource(QUrl::fromLocalFile(mediaPath_));
    Timer1->start();
}

void TMediaPlayForm::Timer1Timer() {
    Gauge1->setValue(static_cast<int>(MediaPlayer1->position()));
}

void TMediaPlayForm::PlayBtnClick() {
    if (MediaPlayer1->mediaStatus() == QMediaPlayer::EndOfMedia)
        MediaPlayer1->setPosition(0);
    MediaPlayer1->play();
}

void TMediaPlayForm::mediaStatusChanged() {
    const QMediaPlayer::MediaStatus status = MediaPlayer1->mediaStatus();
    if (status != QMediaPlayer::LoadedMedia)
        return;
    loaded_ = true;
    Gauge1->setRange(0, static_cast<int>(MediaPlayer1->duration()));
    if (!MediaPlayer1->hasVideo())
        return;
    const QSize resolution = MediaPlayer1->metaData().value(QMediaMetaData::Resolution).toSize();
    if (resolution.isValid())
        placePicture(resolution);
    // The first picture shows until Play is pressed.
    MediaPlayer1->pause();
}

void TMediaPlayForm::placePicture(QSize picture) {
    if (!picture.isValid())
        picture = QSize(0, 0);
    const QSize frame = picture + QSize(2 * kFrameInset, 2 * kFrameInset);
    const int width = std::max(barWidth_, frame.width() + 2 * kFrameInset);
    Bevel1->setGeometry(kFrameInset, kFrameTop, frame.width(), frame.height());
    VideoWidget1->setGeometry(Bevel1->x() + kFrameInset, Bevel1->y() + kFrameInset, picture.width(),
                              picture.height());
    VideoWidget1->setVisible(!picture.isEmpty());
    Bevel1->setVisible(!picture.isEmpty());
    Gauge1->setGeometry(kFrameInset, kGaugeTop, width - 2 * kFrameInset, kGaugeHeight);
    const bool compact = frame.height() == 2 * kFrameInset;
    const int height = compact ? kFrameTop : Bevel1->y() + Bevel1->height() + 2 * kFrameInset;
    setFixedSize(width, height);
    if (compact)
        placeClearOfTheQuestion();
    else
        CentreOnScreen(*this);
}

void TMediaPlayForm::placeClearOfTheQuestion() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    // The quiz windows fill the design area in the middle of the screen with
    // their question at the top: the panel goes below that area when the
    // screen has room, else over the area's foot, where the buttons are.
    const QRect available = screen->availableGeometry();
    const QRect design = DesignAreaOnScreen();
    int top = design.bottom() + 1;
    if (top + height() + kFrameAllowance > available.bottom())
        top = design.bottom() - height() - kFrameAllowance;
    move(design.center().x() - width() / 2, std::max(available.top(), top));
}

} // namespace tavrin
