#include "core/files/FileIO.h"
#include "core/project/ProjectState.h"
#include "core/questions/QuestionFile.h"
#include "core/questions/TTMRecord.h"
#include "core/topics/TopicFile.h"
#include "platform/QtPlatform.h"
#include "support/GuiTestSupport.h"
#include "ui/shell/QuizProjects.h"
#include "ui/shell/TTImainform.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>

namespace tavrin {
namespace {

namespace fs = std::filesystem;

// Acts on the modal windows of the real platform as they come up: each step
// waits until the window of its name is the active modal one, then runs from
// a timer of its own inside that window's loop, as a user's click would.
class ModalScript {
public:
    using Step = std::function<void(QWidget& window)>;

    void then(const QString& windowName, Step step) { steps_.push_back({windowName, step}); }

    // Starts watching; gives up (closing what is open) after `limitMs`.
    void start(int limitMs) {
        clock_.start();
        QObject::connect(&poll_, &QTimer::timeout, [this, limitMs] { look(limitMs); });
        poll_.start(20);
    }
    bool finished() const { return steps_.empty(); }

private:
    struct Pending {
        QString name;
        Step step;
    };

    static QString nameOf(const QWidget& window) {
        return qobject_cast<const QMessageBox*>(&window) != nullptr ? QStringLiteral("QMessageBox")
                                                                    : window.objectName();
    }

    void look(int limitMs) {
        QWidget* modal = QApplication::activeModalWidget();
        if (clock_.elapsed() > limitMs) {
            ADD_FAILURE() << "Gave up waiting for " << steps_.front().name.toStdString();
            steps_.clear();
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
        }
        if (steps_.empty() || modal == nullptr || nameOf(*modal) != steps_.front().name)
            return;
        Pending next = steps_.front();
        steps_.pop_front();
        QPointer<QWidget> window(modal);
        QTimer::singleShot(0, modal, [window, next] {
            if (window)
                next.step(*window);
        });
    }

    std::deque<Pending> steps_;
    QTimer poll_;
    QElapsedTimer clock_;
};

// "Add a Question" of a TI manager on the program's own platform: the entry
// form runs in its own modal loop, steps aside for the information menu and
// its picture picker, and must still be there to save the question.
TEST(EntryFormOnQtPlatform, AQuestionWithAPictureIsSavedWithItsInformation) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const fs::path root(temp.path().toStdString());
    const fs::path folder = root / "quiz";
    fs::create_directories(folder);
    WriteFileAtomically(folder / "MAP.JPG", std::string("picture bytes"));
    const fs::path cwd = fs::current_path();

    QtPlatform platform;
    ProjectState state;
    StartUpProjectState(state, (root / "tavrin").string(), 24);
    ASSERT_EQ(state.StartNewQuiz(folder, "ATLAS", {}), OpenResult::kOpened);
    ManagerServices services;
    TTImainform manager(platform, state, services);
    manager.show();

    ModalScript script;
    QPoint entryPlace;
    QPointer<QWidget> entryForm;
    script.then("TTIEntryForm", [&](QWidget& form) {
        entryForm = &form;
        test::typeInto(form, "QuestID", "SPAIN");
        test::typeInto(form, "qEdit1", "Capital of Spain?");
        test::typeInto(form, "CorrectEdit", "Madrid");
        test::typeInto(form, "AEdit1", "Madrid");
        entryPlace = form.pos();
        test::click(form, "Button1");
    });
    script.then("TInfoMenuForm", [&](QWidget& menu) {
        ASSERT_TRUE(entryForm);
        EXPECT_TRUE(entryForm->isVisible()) << "stepped aside, not hidden";
        test::setChecked(menu, "RadioButton2", true);
        test::click(menu, "Button2");
    });
    script.then("TGetGraphicForm", [](QWidget& picker) {
        test::typeInto(picker, "Edit1", "MAP.JPG");
        test::typeInto(picker, "DurationEdit", "5");
        test::click(picker, "OKBtn");
    });
    script.then("TInfoMenuForm", [](QWidget& menu) { test::click(menu, "SaveBtn"); });
    script.then("TTIEntryForm", [&](QWidget& form) {
        EXPECT_EQ(form.pos(), entryPlace) << "back where it was";
        EXPECT_FALSE(test::textOf(form, "Panel1").isEmpty()) << "the information tick";
        test::click(form, "BitBtn1");
    });
    script.then("QMessageBox", [](QWidget& box) {
        EXPECT_EQ(static_cast<QMessageBox&>(box).text(), "Do you want to add another Question?");
        static_cast<QMessageBox&>(box).button(QMessageBox::No)->click();
    });
    script.start(20000);
    manager.AddBtn->click();
    fs::current_path(cwd);

    EXPECT_TRUE(script.finished());
    const QuestionFile questions(QuestionFilePath(state), QuizKind::TI);
    ASSERT_EQ(questions.ListQuestionIds(), std::vector<std::string>{"SPAIN"});
    const TTMRecord saved = questions.ReadTMRecord(0);
    EXPECT_TRUE(saved.hasInformation());
    EXPECT_EQ(saved.correctAnswer(), "Madrid");
    EXPECT_EQ(ReadFileText(TopicFilePath(state)),
              "[SPAIN]\r\nsource=HYPER\r\ntype=2\r\ncommand=MAP.JPG,5\r\n]\r\n\r\n");
}

} // namespace
} // namespace tavrin
