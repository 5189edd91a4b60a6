#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <functional>

#include "core/project/ProjectState.h"
#include "core/topics/TopicDisplay.h"
#include "platform/AudioOutput.h"
#include "support/GuiTestSupport.h"
#include "support/PictureError.h"
#include "ui/hyper/MediaDisplay.h"
#include "ui/present/ScreenPlacement.h"

namespace tavrin {
namespace {

using Lines = std::vector<std::string>;

bool PictureWindowOpen() {
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == "TShowMultForm" && window->isVisible())
            return true;
    return false;
}

// Records what it was asked to play instead of playing it; a sound may take
// its time, as a real one does, while the windows go on.
class RecordingAudio : public AudioOutput {
public:
    bool HasDevice() const override { return device; }
    QString PlayWaveAndWait(const QString& path) override {
        played.append(path);
        if (soundMilliseconds > 0)
            QTest::qWait(soundMilliseconds);
        pictureOpenAtSoundEnd = PictureWindowOpen();
        return {};
    }

    bool device = true;
    QStringList played;
    int soundMilliseconds = 0;
    bool pictureOpenAtSoundEnd = false;
};

class MediaDisplayTest : public test::GuiTest {
protected:
    MediaDisplayTest() {
        session.quizFolder = std::filesystem::path(dir.path().toStdString());
        session.audio = &audio;
        ClearLowColourAdvisoryMark();
    }

    void makePicture(const QString& name) {
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        ASSERT_TRUE(picture.save(dir.filePath(name), "BMP"));
    }

    void makeFile(const QString& name) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("RIFF");
    }

    QString inFolder(const QString& name) const { return dir.filePath(name); }

    // Expects the picture window and closes it at once.
    void closePictureAtOnce(QString* caption = nullptr) {
        platform.onDialog("TShowMultForm", [caption](QDialog& form) {
            if (caption != nullptr)
                *caption = form.windowTitle();
            QTest::keyClick(&form, Qt::Key_Escape);
        });
    }

    QTemporaryDir dir;
    RecordingAudio audio;
    MediaSession session;
};

TEST_F(MediaDisplayTest, MissingOrUndecodableFilesAreNamedAndNothingIsShown) {
    makePicture("pic.bmp");
    makeFile("bad.bmp");
    platform.expectError(test::PictureError(inFolder("bad.bmp")));
    ShowMultimedia(platform, session, "", "bad.bmp");
    platform.expectError("The file NOPE.BMP is missing");
    ShowMultimedia(platform, session, "", "nope.bmp,50");
    platform.expectError("The file CLIP.AVI is missing");
    ShowMultimedia(platform, session, "", "pic.bmp,clip.avi");
    platform.expectError("The file TUNE.MID is missing");
    ShowMultimedia(platform, session, "", "tune.mid");
    EXPECT_TRUE(audio.played.isEmpty());
}

TEST_F(MediaDisplayTest, PictureWithoutTimeStaysUntilEscapeEnterOrRightClick) {
    makePicture("pic.jpg.bmp");
    const std::function<void(QDialog&)> closers[] = {
        [](QDialog& form) { QTest::keyClick(&form, Qt::Key_Escape); },
        [](QDialog& form) { QTest::keyClick(&form, Qt::Key_Return); },
        [](QDialog& form) {
            QTest::mouseClick(test::findChild<QLabel>(form, "Image1"), Qt::RightButton);
        },
    };
    for (const auto& close : closers) {
        platform.onDialog("TShowMultForm", [&close](QDialog& form) {
            QTest::qWait(200);
            EXPECT_TRUE(form.isVisible());
            auto* picture = test::findChild<QLabel>(form, "Image1");
            EXPECT_EQ(picture->pixmap().size(), QSize(40, 30));
            close(form);
        });
        ShowMultimedia(platform, session, "", "PIC.JPG.BMP,0");
    }
}

// The display time runs from before the window shows; with a sound, the
// window closes once both the time and the sound have ended.
TEST_F(MediaDisplayTest, PictureWithADisplayTimeClosesItselfAfterItsSound) {
    makePicture("Pic.Bmp");
    makeFile("sound.wav");
    const struct {
        const char* command;
        int soundMs;
        int shownAtLeastMs;
    } cases[] = {
        {"pic.bmp,3", 0, 200},
        {"pic.bmp,sound.wav,1", 600, 600}, // the time ends first: the sound is heard out
        {"pic.bmp,sound.wav,6", 100, 450}, // the sound ends first: the time is kept
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.command);
        audio.soundMilliseconds = row.soundMs;
        audio.pictureOpenAtSoundEnd = false;
        QElapsedTimer shown;
        bool closedByItself = false;
        platform.onDialog("TShowMultForm", [&](QDialog& form) {
            shown.start();
            EXPECT_EQ(form.windowTitle(), "Bird");
            closedByItself = QTest::qWaitFor([&] { return !form.isVisible(); }, 5000);
        });
        ShowMultimedia(platform, session, "Bird", row.command);
        EXPECT_EQ(audio.pictureOpenAtSoundEnd, row.soundMs > 0);
        EXPECT_TRUE(closedByItself);
        EXPECT_GE(shown.elapsed(), row.shownAtLeastMs);
    }
}

TEST_F(MediaDisplayTest, WaveAloneIsPlayedWithoutAWindowAndSkippedWithoutOutput) {
    makeFile("ding.wav");
    ShowMultimedia(platform, session, "", "DING.WAV");
    EXPECT_EQ(audio.played, QStringList{inFolder("ding.wav")});
    audio.device = false;
    ShowMultimedia(platform, session, "", "ding.wav");
    EXPECT_EQ(audio.played.size(), 1);
}

TEST_F(MediaDisplayTest, LowColourAdvisoryIsGivenOncePerRun) {
    makePicture("pic.bmp");
    session.videoAdvisory = true;
    platform.setScreenColourDepth(8);
    platform.expectInfo(LowColourAdvisoryText());
    closePictureAtOnce();
    closePictureAtOnce();
    ShowMultimedia(platform, session, "", "pic.bmp");
    ShowMultimedia(platform, session, "", "pic.bmp");
    EXPECT_TRUE(LowColourAdvisoryText().startsWith(
        "Your video Display mode is set at 256 colors.\n\r\n\rThe graphics"));
}

Lines DisplayTopic(int type, bool fullscreen) {
    return {"",
            "source=HYPER",
            "type=" + std::to_string(type),
            "displaytype=1",
            std::string("fullscreen=") + (fullscreen ? "true" : "false"),
            "Sbackcolor=clRed",
            "SGraphic=",
            "SWallpaper=",
            "VPBack=clYellow",
            "VPLeft=100",
            "VPTop=50",
            "VPWidth=300",
            "VPHeight=200",
            "RLTop=1",
            "RLLeft=1",
            "print=false",
            "text=",
            "{\\rtf1\\ansi Hello \\b world\\b0}",
            "]"};
}

Lines CommandTopic(const std::string& name, int type, const std::string& command) {
    return {name, "source=HYPER", "type=" + std::to_string(type), "command=" + command, "]"};
}

TEST_F(MediaDisplayTest, TextTopicOpensAtTheViewPortWithAnEmptyCaption) {
    // The author's preview run and the learner's player place it alike: at
    // the view port of the design area, as the placement screen shows it.
    ProjectState authoring;
    authoring.quizFolder = session.quizFolder;
    MediaSession preview = MediaSession::ForProject(authoring);
    for (MediaSession* shown : {&preview, &session}) {
        platform.onDialog("TShowHTextForm", [](QDialog& form) {
            EXPECT_EQ(form.windowTitle(), "");
            EXPECT_EQ(form.pos(), DesignAreaOnScreen().topLeft() + QPoint(100, 50));
            EXPECT_EQ(form.size(), QSize(303, 200));
            auto* text = test::findChild<QTextEdit>(form, "RichEdit1");
            EXPECT_EQ(text->toPlainText(), "Hello world");
            EXPECT_EQ(text->viewport()->palette().color(QPalette::Window), QColor(255, 255, 0));
            test::click(form, "BitBtn1");
        });
        ShowTopic(platform, *shown, DisplayTopic(1, true));
    }
}

TEST_F(MediaDisplayTest, TextScreenPlacesTheTextAtTheViewPortUnlessFullScreen) {
    const auto check = [](QRect expected) {
        return [expected](QDialog& form) {
            EXPECT_EQ(form.windowTitle(), "Rivers");
            EXPECT_EQ(test::findChild<QWidget>(form, "Panel2")->geometry(), expected);
            EXPECT_EQ(test::findChild<QTextEdit>(form, "RichEdit1")->toPlainText(), "Hello world");
            EXPECT_EQ(test::findChild<QWidget>(form, "Panel1")->palette().color(QPalette::Window),
                      QColor(255, 0, 0));
            QTest::mouseClick(test::findChild<QWidget>(form, "Panel1"), Qt::RightButton,
                              Qt::NoModifier, QPoint(5, 5));
        };
    };
    platform.onDialog("TTxtVPDispForm", check(QRect(100, 50, 300, 200)));
    platform.onDialog("TTxtVPDispForm", check(QRect(0, 0, 640, 480)));
    Lines topic = DisplayTopic(5, false);
    topic[0] = "[Rivers]";
    ShowTopic(platform, session, topic);
    // A wallpaper that is not there is named, and the text still shows.
    topic[3] = "displaytype=3";
    topic[4] = "fullscreen=true";
    topic[7] = "SWallpaper=paper.bmp";
    platform.expectError("The Wallpaper file paper.bmp was not found");
    ShowTopic(platform, session, topic);
}

TEST_F(MediaDisplayTest, DocumentsAndNotesAreOpenedFromTheQuizFolder) {
    makeFile("Page.htm");
    platform.expectOpenDocument(inFolder("Page.htm"));
    ShowTopic(platform, session, CommandTopic("", 10, "PAGE.HTM"));
    makeFile("Notes.txt");
    platform.onDialog("THNotesForm", [&](QDialog& notes) {
        EXPECT_EQ(notes.windowTitle(), "Current File : " + inFolder("Notes.txt"));
        notes.reject();
    });
    ShowTopic(platform, session, CommandTopic("", 13, "NOTES.TXT"));
}

TEST_F(MediaDisplayTest, MediaTopicsCarryTheirCaptionAndBadTypesAreReported) {
    makePicture("pic.bmp");
    QString caption;
    closePictureAtOnce(&caption);
    ShowTopic(platform, session, CommandTopic("[Eagle]", 2, "pic.bmp,0"));
    EXPECT_EQ(caption, "Eagle");

    Lines bad = CommandTopic("", 0, "x");
    bad[2] = "type=x1";
    platform.expectError("'x1' is not a valid integer value for type");
    ShowTopic(platform, session, bad);
}

} // namespace
} // namespace tavrin
