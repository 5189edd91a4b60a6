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

TEST_F(HelpViewerTest, OpensAtTheContextsAnchorOrElseTheContentsOrTheTopAndGoesBack) {
    const QString help = writeHelp(folder, "DRAVLEN.HLP", kHelp);
    ASSERT_TRUE(viewer.ShowContext(help, 165, error)) << error.toStdString();
    EXPECT_EQ(shownAnchor(), "context-165");
    ASSERT_TRUE(viewer.ShowContext(help, 999, error));
    EXPECT_EQ(shownAnchor(), "context-1");
    viewer.BackBtn->click();
    EXPECT_EQ(shownAnchor(), "context-165");
    viewer.ForwardBtn->click();
    EXPECT_EQ(shownAnchor(), "context-1");

    // Another help file replaces the first, topics and all.
    const QString plain = writeHelp(folder, "QUIZ.HLP", "<p>Only text</p>");
    ASSERT_TRUE(viewer.ShowContext(plain, 5, error));
    EXPECT_EQ(shownAnchor(), "");
    EXPECT_TRUE(viewer.Browser->toPlainText().contains("Only text"));
}

// Text without a declared character set is UTF-8 when it is valid, else Windows-1252.
TEST_F(HelpViewerTest, ReadsUnmarkedTextAsUtf8OrWindows1252) {
    const std::pair<QString, QByteArray> files[] = {
        {"OLD.HLP", "<p>Caf\xE9 \x80 5</p>"}, {"NEW.HLP", "<p>Caf\xC3\xA9 \xE2\x82\xAC 5</p>"}};
    for (const auto& [name, html] : files) {
        ASSERT_TRUE(viewer.ShowContext(writeHelp(folder, name, html), 1, error));
        EXPECT_TRUE(
            viewer.Browser->toPlainText().contains(QString::fromUtf8("Caf\xC3\xA9 \xE2\x82\xAC 5")))
            << name.toStdString();
    }
}

} // namespace
} // namespace tavrin
