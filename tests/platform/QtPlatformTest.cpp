#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "platform/HelpViewer.h"
#include "platform/QtPlatform.h"

namespace tavrin {
namespace {

// The visible message box, if any; message boxes are modal, so the test acts
// on them from a timer while the box's own event loop runs.
QMessageBox* visibleMessageBox() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible()) {
            return box;
        }
    }
    return nullptr;
}

// Runs `step` on the message box as soon as it is shown.
void whenBoxShows(std::function<void(QMessageBox&)> step) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, step] {
        if (QMessageBox* box = visibleMessageBox()) {
            poll->stop();
            poll->deleteLater();
            step(*box);
        }
    });
    poll->start(10);
}

class QtPlatformTest : public ::testing::Test {
protected:
    QString writeHelp(const QByteArray& html) {
        const QString path = folder.filePath("DRAVLEN.HLP");
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(html);
        return path;
    }

    QTemporaryDir folder;
    QtPlatform platform;
};

TEST_F(QtPlatformTest, ErrorBoxShowsTheTextWithAnOkButton) {
    QString shown;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenBoxShows([&](QMessageBox& box) {
        shown = box.text();
        icon = box.icon();
        box.button(QMessageBox::Ok)->click();
    });
    platform.ShowError("Cannot open QUIZ.QAJ");
    EXPECT_EQ(shown, "Cannot open QUIZ.QAJ");
    EXPECT_EQ(icon, QMessageBox::Critical);
}

TEST_F(QtPlatformTest, YesNoIsTrueOnlyForYes) {
    whenBoxShows([](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });
    EXPECT_TRUE(platform.AskYesNo("Save changes?"));
    whenBoxShows([](QMessageBox& box) { box.button(QMessageBox::No)->click(); });
    EXPECT_FALSE(platform.AskYesNo("Save changes?"));
    whenBoxShows([](QMessageBox& box) { box.reject(); });
    EXPECT_FALSE(platform.AskYesNo("Save changes?"));
}

TEST_F(QtPlatformTest, HelpButtonOpensHelpAndTheQuestionStays) {
    platform.SetHelpFile(writeHelp(R"(<h1><a name="context-1"></a>Contents</h1>
        <h2><a name="context-90"></a>Opening a quiz</h2>)"));
    bool stayedOpen = false;
    QString helpAnchor;
    whenBoxShows([&](QMessageBox& box) {
        box.button(QMessageBox::Help)->click();
        stayedOpen = box.isVisible();
        if (platform.helpViewer() != nullptr) {
            helpAnchor = platform.helpViewer()->Browser->source().fragment();
            platform.helpViewer()->close();
        }
        box.button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(platform.AskYesNoHelp("Overwrite QUIZ.QAJ?", 90));
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(helpAnchor, "context-90");
}

TEST_F(QtPlatformTest, MissingHelpFileIsReportedByName) {
    platform.SetHelpFile(folder.filePath("DRAVLEN.HLP"));
    QString shown;
    whenBoxShows([&](QMessageBox& box) {
        shown = box.text();
        box.button(QMessageBox::Ok)->click();
    });
    platform.ShowHelp(1);
    EXPECT_TRUE(shown.contains("DRAVLEN.HLP")) << shown.toStdString();
}

TEST_F(QtPlatformTest, HelpReusesOneViewer) {
    platform.SetHelpFile(writeHelp(R"(<h1><a name="context-1"></a>Contents</h1>
        <h2><a name="context-20"></a>Quiz manager</h2>)"));
    platform.ShowHelp(20);
    HelpViewer* first = platform.helpViewer();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    platform.ShowHelp(1);
    EXPECT_EQ(platform.helpViewer(), first);
    EXPECT_EQ(first->Browser->source().fragment(), "context-1");
    first->close();
}

TEST_F(QtPlatformTest, RunsAProgramInTheWorkingFolderAndReturnsItsExitCode) {
    const ProcessResult result =
        platform.RunProgramAndWait(R"(sh -c "pwd > where.txt; exit 3")", folder.path());
    EXPECT_TRUE(result.started) << result.error.toStdString();
    EXPECT_EQ(result.exitCode, 3);
    QFile where(folder.filePath("where.txt"));
    ASSERT_TRUE(where.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(where.readAll()).trimmed(), folder.path());
}

TEST_F(QtPlatformTest, WindowsKeepRunningWhileWaiting) {
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&ticks] { ++ticks; });
    tick.start(10);
    const ProcessResult result = platform.RunProgramAndWait("sleep 0.3", folder.path());
    EXPECT_TRUE(result.started);
    EXPECT_GT(ticks, 3);
}

TEST_F(QtPlatformTest, ProgramThatCannotStartIsReportedWithAReason) {
    const ProcessResult result =
        platform.RunProgramAndWait("\"no such program here.exe\" /x", folder.path());
    EXPECT_FALSE(result.started);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_FALSE(platform.RunProgramAndWait("  ", folder.path()).started);
}

TEST_F(QtPlatformTest, RunModalReturnsTheDialogsResult) {
    QDialog dialog;
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.done(2); });
    EXPECT_EQ(platform.RunModal(dialog), 2);
}

} // namespace
} // namespace tavrin
