#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include "platform/HelpViewer.h"

namespace tavrin {
namespace {

QString writeHelp(const QTemporaryDir& folder, const QString& name, const QByteArray& html) {
    const QString path = folder.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(html);
    return path;
}

const QByteArray kHelp = R"(<html><body>
<h1><a name="context-1"></a>Contents</h1>
<p><a href="#context-100">Making a folder</a></p>
<h2><a name="context-100"></a>Making a folder</h2><p>Type a name.</p>
<h2><a name="context-165"></a>Choosing a question</h2><p>Pick one.</p>
</body></html>)";

class HelpViewerTest : public ::testing::Test {
protected:
    QString shownAnchor() const { return viewer.Browser->source().fragment(); }

    QTemporaryDir folder;
    HelpViewer viewer;
    QString error;
};

TEST_F(HelpViewerTest, OpensAtTheContextsAnchor) {
    const QString help = writeHelp(folder, "DRAVLEN.HLP", kHelp);
    ASSERT_TRUE(viewer.ShowContext(help, 165, error)) << error.toStdString();
    EXPECT_EQ(shownAnchor(), "context-165");
    EXPECT_TRUE(viewer.Browser->toPlainText().contains("Choosing a question"));
    EXPECT_TRUE(viewer.HasTopic(100));
    EXPECT_FALSE(viewer.HasTopic(2));
}

TEST_F(HelpViewerTest, UnknownContextShowsTheContents) {
    const QString help = writeHelp(folder, "DRAVLEN.HLP", kHelp);
    ASSERT_TRUE(viewer.ShowContext(help, 999, error));
    EXPECT_EQ(shownAnchor(), "context-1");
}

TEST_F(HelpViewerTest, FileWithoutContentsAnchorOpensAtTheTop) {
    const QString help = writeHelp(folder, "QUIZ.HLP", "<p>Only text</p>");
    ASSERT_TRUE(viewer.ShowContext(help, 5, error));
    EXPECT_EQ(shownAnchor(), "");
    EXPECT_TRUE(viewer.Browser->toPlainText().contains("Only text"));
}

TEST_F(HelpViewerTest, BackAndForwardRetraceTheTopics) {
    const QString help = writeHelp(folder, "DRAVLEN.HLP", kHelp);
    ASSERT_TRUE(viewer.ShowContext(help, 100, error));
    ASSERT_TRUE(viewer.ShowContext(help, 165, error));
    ASSERT_TRUE(viewer.BackBtn->isEnabled());
    viewer.BackBtn->click();
    EXPECT_EQ(shownAnchor(), "context-100");
    ASSERT_TRUE(viewer.ForwardBtn->isEnabled());
    viewer.ForwardBtn->click();
    EXPECT_EQ(shownAnchor(), "context-165");
    viewer.ContentsBtn->click();
    EXPECT_EQ(shownAnchor(), "context-1");
}

TEST_F(HelpViewerTest, MissingFileIsReportedByName) {
    const QString missing = folder.filePath("NOHELP.HLP");
    EXPECT_FALSE(viewer.ShowContext(missing, 1, error));
    EXPECT_TRUE(error.contains("NOHELP.HLP")) << error.toStdString();
}

TEST_F(HelpViewerTest, SwitchesToAnotherHelpFile) {
    const QString programHelp = writeHelp(folder, "DRAVLEN.HLP", kHelp);
    const QString quizHelp =
        writeHelp(folder, "QUIZ.HLP", R"(<h1><a name="context-7"></a>Quiz help</h1>)");
    ASSERT_TRUE(viewer.ShowContext(programHelp, 100, error));
    ASSERT_TRUE(viewer.ShowContext(quizHelp, 7, error));
    EXPECT_TRUE(viewer.Browser->toPlainText().contains("Quiz help"));
    EXPECT_FALSE(viewer.HasTopic(100));
    EXPECT_EQ(shownAnchor(), "context-7");
}

TEST_F(HelpViewerTest, ReadsUnmarkedSingleByteTextAsWindows1252) {
    const QString help = writeHelp(folder, "OLD.HLP", "<p>Caf\xE9 \x80 5</p>");
    ASSERT_TRUE(viewer.ShowContext(help, 1, error));
    EXPECT_TRUE(
        viewer.Browser->toPlainText().contains(QString::fromUtf8("Caf\xC3\xA9 \xE2\x82\xAC 5")));
}

TEST_F(HelpViewerTest, ReadsUtf8Text) {
    const QString help = writeHelp(folder, "NEW.HLP", "<p>Caf\xC3\xA9</p>");
    ASSERT_TRUE(viewer.ShowContext(help, 1, error));
    EXPECT_TRUE(viewer.Browser->toPlainText().contains(QString::fromUtf8("Caf\xC3\xA9")));
}

} // namespace
} // namespace tavrin
