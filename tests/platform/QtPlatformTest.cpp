#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "platform/FileFilter.h"
#include "platform/HelpViewer.h"
#include "platform/QtPlatform.h"

namespace tavrin {
namespace {

// The visible top-level window of type T, if any.
template <typename T> T* visibleWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<T*>(widget); window != nullptr && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

// Runs `step` on the first visible window of type T as soon as it shows. Boxes
// and dialogs are modal, so the test acts on them from a timer while their
// own event loop runs.
template <typename T> void whenShown(std::function<void(T&)> step) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, step] {
        if (T* window = visibleWindow<T>()) {
            poll->stop();
            poll->deleteLater();
            step(*window);
        }
    });
    poll->start(10);
}

// Types a name into the dialog and accepts it; a dialog that refuses is
// cancelled so that the test cannot hang.
void chooseFile(QFileDialog& dialog, const QString& name) {
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    edit->setText(name);
    static_cast<QDialog&>(dialog).accept();
    if (dialog.isVisible()) {
        ADD_FAILURE() << "The file dialog did not accept " << name.toStdString();
        dialog.reject();
    }
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

TEST_F(QtPlatformTest, ErrorBoxShowsTheTextAsWrittenAndYesNoIsTrueOnlyForYes) {
    QString shown;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::TextFormat format = Qt::AutoText;
    whenShown<QMessageBox>([&](QMessageBox& box) {
        shown = box.text();
        icon = box.icon();
        format = box.textFormat();
        box.button(QMessageBox::Ok)->click();
    });
    // A name from the quiz that looks like markup is shown as it is written.
    platform.ShowError("The file <b>.WAV is missing");
    EXPECT_EQ(shown, "The file <b>.WAV is missing");
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(icon, QMessageBox::Critical);

    whenShown<QMessageBox>([&](QMessageBox& box) {
        format = box.textFormat();
        box.button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(platform.AskYesNo("Delete x &lt; y?"));
    EXPECT_EQ(format, Qt::PlainText);
    whenShown<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::No)->click(); });
    EXPECT_FALSE(platform.AskYesNo("Save changes?"));
    whenShown<QMessageBox>([](QMessageBox& box) { box.reject(); });
    EXPECT_FALSE(platform.AskYesNo("Save changes?"));
}

// A missing help file is named; the Help button of a question opens the
// page and leaves the question up; further help reuses the one viewer.
TEST_F(QtPlatformTest, HelpNamesAMissingFileOpensFromAQuestionAndReusesOneViewer) {
    platform.SetHelpFile(folder.filePath("DRAVLEN.HLP"));
    QString shown;
    whenShown<QMessageBox>([&](QMessageBox& box) {
        shown = box.text();
        box.button(QMessageBox::Ok)->click();
    });
    platform.ShowHelp(1);
    EXPECT_TRUE(shown.contains("DRAVLEN.HLP")) << shown.toStdString();

    writeHelp(R"(<h1><a name="context-1"></a>Contents</h1>
        <h2><a name="context-90"></a>Opening a quiz</h2>)");
    bool stayedOpen = false;
    whenShown<QMessageBox>([&](QMessageBox& box) {
        box.button(QMessageBox::Help)->click();
        stayedOpen = box.isVisible();
        box.button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(platform.AskYesNoHelp("Overwrite QUIZ.QAJ?", 90));
    EXPECT_TRUE(stayedOpen);
    HelpViewer* viewer = platform.helpViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->Browser->source().fragment(), "context-90");
    platform.ShowHelp(1);
    EXPECT_EQ(platform.helpViewer(), viewer);
    EXPECT_EQ(viewer->Browser->source().fragment(), "context-1");
    viewer->close();
}

TEST_F(QtPlatformTest, RunsAProgramInTheWorkingFolderWithWindowsLiveOrSaysWhyItCannot) {
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&ticks] { ++ticks; });
    tick.start(10);
    const ProcessResult result =
        platform.RunProgramAndWait(R"(sh -c "pwd > where.txt; sleep 0.3; exit 3")", folder.path());
    EXPECT_TRUE(result.started) << result.error.toStdString();
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_GT(ticks, 3) << "windows keep running while waiting";
    QFile where(folder.filePath("where.txt"));
    ASSERT_TRUE(where.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(where.readAll()).trimmed(), folder.path());

    const ProcessResult missing =
        platform.RunProgramAndWait("\"no such program here.exe\" /x", folder.path());
    EXPECT_FALSE(missing.started);
    EXPECT_FALSE(missing.error.isEmpty());
}

// Which names a mask matches is the filter's test; the dialogs get those
// masks and help, and the save dialog adds the default extension.
TEST_F(QtPlatformTest, FileDialogsTakeTheCaseBlindMasksAndHelp) {
    QFile(folder.filePath("pic.jpg")).open(QIODevice::WriteOnly);
    FileDialogRequest request;
    request.caption = "Select a Graphic";
    request.filter = "Graphic Files|*.JPG;*.BMP";
    request.startFolder = folder.path();
    request.mustExist = true;
    request.helpContext = 510;
    QStringList filters;
    bool hasHelp = false;
    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        filters = dialog.nameFilters();
        auto* buttons = dialog.findChild<QDialogButtonBox*>("buttonBox");
        hasHelp = buttons != nullptr && buttons->button(QDialogButtonBox::Help) != nullptr;
        chooseFile(dialog, "pic.jpg");
    });
    EXPECT_EQ(platform.GetOpenFileName(request), folder.filePath("pic.jpg"));
    EXPECT_EQ(filters, ToQtNameFilters(request.filter));
    EXPECT_TRUE(hasHelp);

    request.filter = "Quiz Files|*.QAJ";
    request.defaultExtension = "QAJ";
    request.mustExist = false;
    whenShown<QFileDialog>([](QFileDialog& dialog) { chooseFile(dialog, "newquiz"); });
    EXPECT_EQ(platform.GetSaveFileName(request), folder.filePath("newquiz.QAJ"));
    whenShown<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(platform.GetSaveFileName(request), std::nullopt);
}

} // namespace
} // namespace tavrin
