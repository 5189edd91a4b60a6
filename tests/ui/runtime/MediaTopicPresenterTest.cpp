#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/AboutBoxDesign.h"
#include "support/GuiTestSupport.h"
#include "ui/runtime/MediaTopicPresenter.h"

namespace tavrin {
namespace {

class MediaTopicPresenterTest : public test::GuiTest {
protected:
    QTemporaryDir folder;
    MediaTopicPresenter presenter{
        platform, MediaTopicPresenter::SessionForQuizFolder(folder.path().toStdString())};
};

TEST_F(MediaTopicPresenterTest, RunInformationReachesTheMediaWindows) {
    // A learner's "Information" on a picture that is not in the quiz folder
    // names the file instead of claiming the function is missing.
    platform.expectError(QStringLiteral("The file GONE.BMP is missing"));
    presenter.ShowMultimedia(QStringLiteral("Quiz"), "GONE.BMP,0");

    platform.expectError(QStringLiteral("The file LOST.WAV is missing"));
    presenter.ShowTopic({"", "source=HYPER", "type=3", "command=LOST.WAV", "]"});
}

TEST_F(MediaTopicPresenterTest, RunSettingsReachTheSession) {
    presenter.PrepareMediaWindows(QStringLiteral("Title"), "Press Play", true);
    EXPECT_EQ(presenter.session().playerCaption, QStringLiteral("Title"));
    EXPECT_EQ(presenter.session().instruction, QStringLiteral("Press Play"));
    EXPECT_TRUE(presenter.session().videoAdvisory);
    EXPECT_EQ(presenter.session().quizFolder, folder.path().toStdString());
}

TEST_F(MediaTopicPresenterTest, AboutBoxStillSaysItIsNotBuilt) {
    platform.expectInfo(PendingTopicPresenter::NotAvailableText());
    presenter.ShowAboutBox(AboutBoxDesign{});
}

} // namespace
} // namespace tavrin
