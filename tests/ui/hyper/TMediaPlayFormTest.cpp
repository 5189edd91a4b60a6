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

// A one-track tune of one note held 4 seconds: 768 ticks of 96 a quarter at 120 a minute.
QByteArray Tune() {
    const QByteArray track = QByteArray::fromHex("00ff510307a120" // tempo 500000 us a quarter
                                                 "00903c64"       // middle C on
                                                 "8600803c40"     // off 768 ticks later
                                                 "00ff2f00");     // end of track
    return QByteArray::fromHex("4d54686400000006000000010060") +  // "MThd": one track, 96 ticks
           QByteArray("MTrk", 4) + QByteArray::fromHex("000000") + static_cast<char>(track.size()) +
           track;
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
        EXPECT_EQ(test::textOf(form, "Label1"), "Press the Start button");
        failure = waitForMedium(form);
        if (failure.isEmpty()) {
            EXPECT_GT(form.mediaLength(), 3000);
            EXPECT_EQ(form.Gauge1->maximum(), form.mediaLength());
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
