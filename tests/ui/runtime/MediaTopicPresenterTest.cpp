#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "core/settings/AboutBoxDesign.h"
#include "support/GuiTestSupport.h"
#include "ui/runtime/MediaTopicPresenter.h"

namespace tavrin {
namespace {

class MediaTopicPresenterTest : public test::GuiTest {
protected:
    QTemporaryDir folder;
    MediaTopicPresenter presenter{platform,
                                  MediaSession::ForQuizFolder(folder.path().toStdString())};
};

TEST_F(MediaTopicPresenterTest, RunInformationFindsAccentedFilesAndNamesWhatFails) {
    // A learner's "Information" on a file that is not in the quiz folder
    // names the file instead of claiming the function is missing.
    platform.expectError("The file GONE.BMP is missing");
    presenter.ShowMultimedia("Quiz", "GONE.BMP,0");
    platform.expectError("The file LOST.WAV is missing");
    presenter.ShowTopic({"", "source=HYPER", "type=3", "command=LOST.WAV", "]"});

    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(folder.filePath(QString::fromUtf8("caf\xC3\xA9.bmp")), "BMP"));
    bool shown = false;
    platform.onDialog("TShowMultForm", [&shown](QDialog& window) {
        shown = true;
        QTest::keyClick(&window, Qt::Key_Escape);
    });
    // The topic stores Windows-1252: "CAFÉ.BMP".
    presenter.ShowTopic({"[Q]", "source=HYPER", "type=2", "command=CAF\xC9.BMP,0", "]"});
    EXPECT_TRUE(shown);

    // A program name holding a blank is one program when that file exists.
    QFile program(folder.filePath("My Program.sh"));
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    program.close();
    platform.expectRunProgram(ProcessResult{false, 0, "Permission denied"}, "\"My Program.sh\"");
    platform.expectError("Unable to start My Program.sh: Permission denied");
    presenter.ShowTopic({"[Q]", "source=HYPER", "type=4", "command=My Program.sh", "]"});
    EXPECT_EQ(platform.lastWorkingFolder(), folder.path()) << "programs start in the quiz folder";
}

TEST_F(MediaTopicPresenterTest, AboutBoxNamesAMissingIcon) {
    AboutBoxDesign design;
    design.setUseIcon(true);
    design.setIconFile("quiz.ico");
    platform.expectError("The Icon file quiz.ico is missing");
    presenter.ShowAboutBox(design);
}

} // namespace
} // namespace tavrin
