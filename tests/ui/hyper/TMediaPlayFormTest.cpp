#include <QByteArray>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMediaPlayer>
#include <QProgressBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "support/GuiTestSupport.h"
#include "support/PlainTextCheck.h"
#include "ui/hyper/MediaDisplay.h"
#include "ui/hyper/TMediaPlayForm.h"

namespace tavrin {
namespace {

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

TEST_F(TMediaPlayFormTest, MidiTuneOpensTheCompactPlayerAndWaitsForPlay) {
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
            EXPECT_NE(form.MediaPlayer1->playbackState(), QMediaPlayer::PlayingState);
            test::click(form, "PlayBtn");
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return form.MediaPlayer1->playbackState() == QMediaPlayer::PlayingState; },
                5000));
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

} // namespace
} // namespace tavrin
