#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMediaPlayer>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QScreen>
#include <QTest>

#include "support/GuiTestSupport.h"
#include "support/PlainTextCheck.h"
#include "ui/hyper/MediaDisplay.h"
#include "ui/hyper/TMediaPlayForm.h"

namespace tavrin {
namespace {

// Little-endian 32-bit words, then 16-bit ones.
QByteArray Words(std::initializer_list<quint32> words32,
                 std::initializer_list<quint16> words16 = {}) {
    QByteArray bytes;
    for (quint32 value : words32)
        for (int shift = 0; shift < 32; shift += 8)
            bytes.append(static_cast<char>((value >> shift) & 0xFF));
    for (quint16 value : words16)
        bytes.append(static_cast<char>(value & 0xFF)).append(static_cast<char>(value >> 8));
    return bytes;
}

// A RIFF chunk: four-character code, little-endian size, data padded to even.
QByteArray Chunk(const char* code, const QByteArray& data) {
    QByteArray chunk = QByteArray(code, 4) + Words({static_cast<quint32>(data.size())}) + data;
    if (data.size() % 2 != 0)
        chunk.append('\0');
    return chunk;
}

QByteArray List(const char* type, const QByteArray& content) {
    return Chunk("LIST", QByteArray(type, 4) + content);
}

// A motion-JPEG AVI of `frames` pictures of 64 x 48 at 10 per second.
QByteArray MotionJpegAvi(int frames) {
    const quint32 width = 64, height = 48, rate = 10;
    QList<QByteArray> pictures;
    for (int i = 0; i < frames; ++i) {
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(QColor(i * 20 % 256, 90, 200));
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "JPG");
        pictures.append(buffer.data());
    }
    const quint32 count = static_cast<quint32>(frames);
    const QByteArray avih = Words({1000000 / rate, // microseconds per frame
                                   0, 0,           // bytes per second, padding granularity
                                   0x10,           // has an index
                                   count, 0,       // frames, initial frames
                                   1, 0,           // streams, suggested buffer size
                                   width, height, 0, 0, 0, 0});
    const QByteArray strh =
        QByteArray("vidsMJPG", 8) + Words({0, 0, 0, // flags, priority and language, initial frames
                                           1, rate, 0,     // scale, rate, start
                                           count, 0,       // length, suggested buffer size
                                           0xFFFFFFFF, 0}, // quality, sample size
                                          {0, 0, width, height});
    const QByteArray strf = Words({40, width, height}, {1, 24}) + // planes, bits per pixel
                            QByteArray("MJPG", 4) + Words({width * height * 3, 0, 0, 0, 0});

    QByteArray movi;
    QByteArray index;
    for (const QByteArray& picture : pictures) {
        index += QByteArray("00dc", 4) + Words({0x10, // key frame
                                                static_cast<quint32>(4 + movi.size()),
                                                static_cast<quint32>(picture.size())});
        movi += Chunk("00dc", picture);
    }
    const QByteArray header =
        List("hdrl", Chunk("avih", avih) + List("strl", Chunk("strh", strh) + Chunk("strf", strf)));
    return Chunk("RIFF",
                 QByteArray("AVI ", 4) + header + List("movi", movi) + Chunk("idx1", index));
}

// A one-track tune of eight quarter notes at 120 beats a minute: 4 seconds.
QByteArray Tune() {
    const QByteArray header = QByteArray::fromHex("4d546864" // "MThd"
                                                  "00000006" // header length
                                                  "0000"     // single track
                                                  "0001"     // one track
                                                  "0060");   // 96 ticks a quarter
    QByteArray track = QByteArray::fromHex("00ff510307a120"  // tempo 500000 us a quarter
                                           "00c000");        // piano
    for (int note = 0; note < 8; ++note) {
        const char pitch = static_cast<char>(60 + note);
        track += QByteArray::fromHex("0090") + pitch + QByteArray::fromHex("64");
        track += QByteArray::fromHex("6080") + pitch + QByteArray::fromHex("40");
    }
    track += QByteArray::fromHex("00ff2f00"); // end of track
    QByteArray chunk("MTrk", 4);
    const quint32 length = static_cast<quint32>(track.size());
    for (int shift = 24; shift >= 0; shift -= 8)
        chunk.append(static_cast<char>((length >> shift) & 0xFF));
    return header + chunk + track;
}

class TMediaPlayFormTest : public test::GuiTest {
protected:
    TMediaPlayFormTest() { session.quizFolder = std::filesystem::path(dir.path().toStdString()); }

    void write(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Waits until the player has opened the medium; the reason it could not
    // otherwise.
    static QString waitForMedium(TMediaPlayForm& form) {
        const bool settled = QTest::qWaitFor(
            [&] {
                const auto status = form.MediaPlayer1->mediaStatus();
                return form.mediaLoaded() || status == QMediaPlayer::InvalidMedia ||
                       form.MediaPlayer1->error() != QMediaPlayer::NoError;
            },
            15000);
        if (settled && form.mediaLoaded())
            return {};
        const QString error = form.MediaPlayer1->errorString();
        return error.isEmpty() ? QStringLiteral("the medium did not load in time") : error;
    }

    QTemporaryDir dir;
    MediaSession session;
};

TEST_F(TMediaPlayFormTest, MidiTuneOpensTheCompactPlayer) {
    write("tune.mid", Tune());
    session.playerCaption = "Quiz";
    session.instruction = "Press the Start button";
    QString failure;
    platform.onDialog("TMediaPlayForm", [&](QDialog& dialog) {
        auto& form = static_cast<TMediaPlayForm&>(dialog);
        EXPECT_EQ(form.windowTitle(), "Quiz");
        EXPECT_EQ(test::textOf(form, "Label1"), "Press the Start button");
        failure = waitForMedium(form);
        if (failure.isEmpty()) {
            EXPECT_GT(form.mediaLength(), 3000);
            EXPECT_EQ(form.Gauge1->maximum(), form.mediaLength());
            EXPECT_EQ(form.Gauge1->value(), 0);
            EXPECT_FALSE(form.Bevel1->isVisible());
            EXPECT_EQ(form.height(), form.Bevel1->y());
        }
        QTest::keyClick(&form, Qt::Key_Escape);
    });
    ShowMultimedia(platform, session, "", "TUNE.MID");
    if (!failure.isEmpty())
        GTEST_SKIP() << "This machine's media back end cannot open MIDI (" << failure.toStdString()
                     << "); scripts/setup installs the synthesizer and sound font.";
}

TEST_F(TMediaPlayFormTest, CompactPlayerShowsItsWholeInstructionClearOfTheQuestion) {
    // The quiz windows stand in the middle of the screen, their questions in
    // the top 215 pixels.
    QRect design(QPoint(), QSize(640, 480));
    design.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center());
    const QRect questions(design.topLeft(), QSize(640, 215));
    QStringList instructions = {"Press the Start button", "Press Play, then listen well"};
    instructions += test::MarkupLookingTexts();
    for (const QString& instruction : instructions) {
        SCOPED_TRACE(instruction.toStdString());
        TMediaPlayForm form(platform, "Quiz", dir.filePath("none.mid"), instruction);
        form.show();
        QCoreApplication::processEvents();
        EXPECT_GE(form.Label1->width(), form.Label1->sizeHint().width());
        EXPECT_LE(form.Label1->mapTo(&form, QPoint(form.Label1->width(), 0)).x(), form.width());
        test::ExpectLabelsShowLiterally(form, instruction);
        EXPECT_FALSE(form.frameGeometry().intersects(questions));
        form.close();
    }
}

TEST_F(TMediaPlayFormTest, VideoOpensAtItsPictureSizeAndWaitsForPlay) {
    write("Clip.avi", MotionJpegAvi(20));
    QString failure;
    platform.onDialog("TMediaPlayForm", [&](QDialog& dialog) {
        auto& form = static_cast<TMediaPlayForm&>(dialog);
        failure = waitForMedium(form);
        if (failure.isEmpty()) {
            EXPECT_GE(form.mediaLength(), 1900);
            EXPECT_TRUE(form.MediaPlayer1->hasVideo());
            EXPECT_TRUE(QTest::qWaitFor([&] { return form.Bevel1->isVisible(); }, 5000));
            EXPECT_EQ(form.Bevel1->size(), QSize(72, 56));
            EXPECT_EQ(form.height(), form.Bevel1->y() + 56 + 8);
            EXPECT_NE(form.MediaPlayer1->playbackState(), QMediaPlayer::PlayingState);
            test::click(form, "PlayBtn");
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return form.MediaPlayer1->playbackState() == QMediaPlayer::PlayingState; },
                5000));
        }
        QTest::keyClick(&form, Qt::Key_Escape);
    });
    ShowMultimedia(platform, session, "", "clip.avi");
    if (!failure.isEmpty())
        GTEST_SKIP() << "This machine's media back end cannot open AVI (" << failure.toStdString()
                     << "); scripts/setup installs its plugins.";
}

} // namespace
} // namespace tavrin
