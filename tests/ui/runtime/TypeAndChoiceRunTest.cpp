#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "RunTestSupport.h"
#include "support/GuiTestSupport.h"
#include "tests/ui/notes/PdfText.h"
#include "ui/runtime/ChoiceLabel.h"
#include "ui/runtime/PreviewQuiz.h"
#include "ui/runtime/TMCDisplayForm.h"
#include "ui/runtime/TResultsForm.h"
#include "ui/runtime/TTIDispForm.h"

namespace tavrin::test {
namespace {

// The colour a label's text is drawn in, enabled or not.
QColor ShownTextColour(const QLabel& label) {
    return label.palette().color(label.isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::WindowText);
}

// Types the answer and confirms it with Enter, as a learner would. (Key
// clicks cannot carry accented letters; insert() is what typing them does.)
void Answer(QDialog& dialog, const QString& typed) {
    auto* edit = findChild<QLineEdit>(dialog, "Edit1");
    edit->selectAll();
    edit->insert(typed);
    pressKey(dialog, "Edit1", Qt::Key_Return);
}

class TypeRunTest : public GuiTest {
protected:
    TypeRunTest() : source(QuizKind::TI) {
        source.add(TIQuestion("CAPITAL", "Capital of France?", {"", "PARIS"}, "Paris"));
        source.add(TIQuestion("CITY", "Largest US city?", {"New York"}, "New York"));
        // "ETE" with accented capitals: an accented letter keeps its case.
        source.add(TIQuestion("SUMMER", "Summer in French?", {"\xC9T\xC9"}, "\xC9t\xE9"));
        auto last = TIQuestion("AGAIN", "Capital of France again?", {"PARIS"}, "Paris");
        last.setHasInformation(true);
        source.add(last);
        source.addTopic("AGAIN", {"AGAIN", "source=HYPER", "type=1", "text", "]"});
        auto& settings = source.editSettings();
        settings.setTitleBarText("Capitals");
        settings.setSaveResultsToDisk(true);
        settings.setUseDataSwapFile(true);
        settings.setGroupHasFeedback(5, true);
        source.addTopic("GROUP 5 FEEDBACK",
                        {"GROUP 5 FEEDBACK", "source=HYPER", "type=13", "command=well.txt", "]"});
    }

    MemoryQuizSource source;
    RecordingPresenter presenter;
    KeepOrder random;
};

TEST_F(TypeRunTest, ContainmentAndCaseOfAToZDecideAndTheFilesRecordTheRun) {
    const std::vector<QString> typed = {"the capital is paris", "new  york", "\u00e9t\u00e9",
                                        "Parisian"};
    const std::vector<int> rightSoFar = {1, 1, 1, 2};
    for (std::size_t i = 0; i < 4; ++i) {
        platform.onDialog("TTIDispForm", [&, i](QDialog& dialog) {
            auto& form = dynamic_cast<TTIDispForm&>(dialog);
            EXPECT_FALSE(form.AnswerGrpBox->isVisible());
            Answer(form, typed[i]);
            EXPECT_TRUE(form.AnswerGrpBox->isVisible());
            EXPECT_EQ(form.QrightLbl->text(), QString::number(rightSoFar[i]));
            if (i < 3) {
                pressKey(form, "Edit1", Qt::Key_Return); // a second Enter moves on
            } else {
                click(form, "Button1");
                click(form, "continuebitbtn");
            }
        });
    }
    CloseResults(platform);
    platform.expectInfo("The Quiz results have been saved to CAPS.TID");

    PreviewQuiz(platform, source, "/quizzes/CAPS.TIJ", presenter, random);

    EXPECT_TRUE(
        source.readFile("CAPS.TID")
            .starts_with("Capitals\r\n\r\nQuestions Answered = 4\r\nQuestions Correct = 2"));
    EXPECT_EQ(source.readFile("CAPS.TIS"), "5\r\n");
    ASSERT_GE(presenter.calls.size(), 2u);
    EXPECT_EQ(presenter.calls[presenter.calls.size() - 2], "topic||source=HYPER|type=1|text|]");
    EXPECT_EQ(presenter.calls.back(), "topic||source=HYPER|type=13|command=well.txt|]");
}

TEST_F(TypeRunTest, TheCountDialogSetsTheQuestionsAskedItsCancelAsksAllAndAQuitSavesNothing) {
    source.editSettings().setTakeAllQuestions(false);
    for (const bool cancel : {false, true}) {
        platform.onDialog("TQTotakeForm", [cancel](QDialog& dialog) {
            typeInto(dialog, "qt_spinbox_lineedit", "2");
            click(dialog, cancel ? "CancelBtn" : "OKBtn");
        });
        platform.expectYesNo(QuitText(), false);
        platform.expectYesNo(QuitText(), true);
        platform.onDialog("TTIDispForm", [cancel](QDialog& dialog) {
            EXPECT_EQ(findChild<QLabel>(dialog, "ShowTquestlbl")->text(), cancel ? "4" : "2");
            dialog.close(); // the close box asks too: No keeps the question open
            EXPECT_TRUE(dialog.isVisible());
            click(dialog, "BitBtn1");
        });
        PreviewQuiz(platform, source, "CAPS.TIJ", presenter, random);
    }
    EXPECT_EQ(source.readFile("CAPS.TID"), "");
}

class ChoiceRunTest : public GuiTest {
protected:
    ChoiceRunTest() : source(QuizKind::MC) {}

    MemoryQuizSource source;
    RecordingPresenter presenter;
    KeepOrder random;
};

TEST_F(ChoiceRunTest, AnEmptyWrongAnswerBelowAFilledOneTakesAnOptionAndChoicesAreFinal) {
    auto first = MCQuestion("GAPS", "Pick one", "right", {"wrong one", "", "wrong three"});
    first.setPreviewEntry("Gaps");
    source.add(first);
    source.add(MCQuestion("ALONE", "Only one", "the only answer", {}));
    source.editSettings().setAllowPostQuizReview(true);

    platform.onDialog("TMCDisplayForm", [](QDialog& dialog) {
        auto& form = dynamic_cast<TMCDisplayForm&>(dialog);
        ASSERT_EQ(form.optionCount(), 4);
        QTest::mouseDClick(form.optionLabels[1], Qt::LeftButton); // the empty option
        EXPECT_TRUE(form.answered());
        EXPECT_EQ(form.QrightLbl->text(), "0");
        QTest::mouseDClick(form.optionLabels[3], Qt::LeftButton);
        EXPECT_EQ(form.highlightedTag(), 1) << "a click after the choice moves nothing";
        EXPECT_EQ(form.QrightLbl->text(), "0");
        // Up and Down still move the highlight, and the disabled options show it.
        QTest::keyClick(&form, Qt::Key_Down);
        EXPECT_EQ(form.highlightedTag(), 2);
        const QColor red(255, 0, 0), black(0, 0, 0);
        for (int tag = 1; tag <= 4; ++tag)
            EXPECT_EQ(ShownTextColour(*form.optionLabels[static_cast<std::size_t>(tag - 1)]),
                      tag == 2 ? red : black)
                << "option " << tag;
        // Enter presses Next, the default button now.
        EXPECT_TRUE(form.NextBitBtn->isDefault());
        QTest::keyClick(&form, Qt::Key_Return);
        EXPECT_EQ(form.result(), QDialog::Accepted);
    });
    platform.onDialog("TMCDisplayForm", [](QDialog& dialog) {
        auto& form = dynamic_cast<TMCDisplayForm&>(dialog);
        ASSERT_EQ(form.optionCount(), 1);
        QTest::keyClick(&form, Qt::Key_Return);
        EXPECT_EQ(form.QrightLbl->text(), "1");
        EXPECT_FALSE(form.BitBtn1->isVisible());
        QTest::keyClick(&form, Qt::Key_Return); // Continue, the default button
    });
    platform.onDialog("TResultsForm", [](QDialog& dialog) {
        EXPECT_EQ(dynamic_cast<TResultsForm&>(dialog).barColour(), QColor(0, 255, 0));
        click(dialog, "OKBtn");
    });
    platform.expectYesNo("Would you like to study the Questions?\n\r", true);
    platform.onDialog("TTMPostForm", [](QDialog& dialog) {
        auto* list = findChild<QListWidget>(dialog, "ListBox1");
        ASSERT_EQ(list->count(), 1) << "a question without a preview entry is not listed";
        EXPECT_TRUE(findChild<QPushButton>(dialog, "Button2")->isEnabled());
        emit list->itemDoubleClicked(list->item(0));
        click(dialog, "CloseBtn");
    });
    platform.onDialog("TTMViewForm", [](QDialog& dialog) {
        EXPECT_EQ(findChild<QLabel>(dialog, "AnsLbl")->text(), "right");
        click(dialog, "CloseBtn");
    });
    PreviewQuiz(platform, source, "GAPS.MCJ", presenter, random);
}

TEST_F(ChoiceRunTest, ViewingOneQuestionRunsItAsARunOfOne) {
    auto record = MCQuestion("ONE", "Alone", "yes", {"no"});
    record.setHasInformation(true);
    source.addTopic("ONE", {"ONE", "source=HYPER", "type=2", "command=pic.bmp,0", "]"});
    platform.onDialog("TMCDisplayForm", [](QDialog& dialog) {
        auto& form = dynamic_cast<TMCDisplayForm&>(dialog);
        EXPECT_EQ(form.ShowTquestlbl->text(), "1");
        QTest::mouseDClick(form.optionLabels[static_cast<std::size_t>(form.correctTag() - 1)],
                           Qt::LeftButton);
        EXPECT_EQ(form.QrightLbl->text(), "1");
        click(form, "Button1");
        click(form, "continuebitbtn");
    });
    std::vector<std::uint8_t> bytes(record.view().begin(), record.view().end());
    ViewStoredQuestion(platform, source, bytes, presenter, random);
    EXPECT_EQ(presenter.calls,
              (std::vector<std::string>{"topic||source=HYPER|type=2|command=pic.bmp,0|]"}));
}

TEST_F(ChoiceRunTest, AQuizWithoutQuestionsIsRefusedBeforeTheRun) {
    source.addRaw(std::vector<std::uint8_t>(100, 0)); // a cut-short record is not a question
    platform.expectError("This quiz has no questions. Add a question before running the quiz.");
    PreviewQuiz(platform, source, "EMPTY.MCJ", presenter, random);
}

// A one-question quiz with its own help file, answered and its results closed.
void AnswerOneQuestionWithAHelpFile(ScriptedPlatform& platform, MemoryQuizSource& quiz) {
    auto question = MCQuestion("ONE", "Alone", "yes", {});
    question.setPreviewEntry("One");
    quiz.add(question);
    auto& settings = quiz.editSettings();
    settings.setUseDataSwapFile(true);
    settings.setAllowPostQuizReview(true);
    auto window = settings.programWindow();
    window.setUseHelpFile(true);
    window.setHelpFile("quiz.hlp");
    settings.setProgramWindow(window);
    platform.onDialog("TMCDisplayForm", [&platform](QDialog& dialog) {
        EXPECT_TRUE(platform.HelpFile().endsWith("quiz.hlp"));
        QTest::keyClick(&dialog, Qt::Key_Return);
        click(dialog, "continuebitbtn");
    });
    CloseResults(platform);
    platform.SetHelpFile("/program/help.html");
}

// A failed print ends the run's ending with an error naming why: the later
// steps are skipped and the help file comes back. A cancelled print dialog
// says nothing and the run goes on.
TEST_F(ChoiceRunTest, AFailedPrintEndsTheRunWithAnErrorAndACancelledPrintGoesOn) {
    const QString pdf = QString::fromStdString((source.mediaFolder() / "results.pdf").string());
    for (const std::string outcome : {"fails", "cancelled", "printed"}) {
        SCOPED_TRACE(outcome);
        MemoryQuizSource quiz(QuizKind::MC);
        quiz.editSettings().setSaveResultsToPrinter(true);
        AnswerOneQuestionWithAHelpFile(platform, quiz);
        platform.expectYesNo("Do you want to print the Results?\n\r", true);
        if (outcome == "fails") {
            platform.expectPrintFailure("The printer LASER reported an error.");
            platform.expectError("The Quiz results could not be printed: "
                                 "The printer LASER reported an error.");
        } else {
            if (outcome == "cancelled")
                platform.expectPrintCancelled();
            else
                platform.expectPrint(pdf);
            platform.expectYesNo("Would you like to study the Questions?\n\r", false);
        }
        PreviewQuiz(platform, quiz, "PRINTS.MCJ", presenter, random);
        EXPECT_EQ(quiz.readFile("PRINTS.MCS"), outcome == "fails" ? "" : "10\r\n");
        EXPECT_EQ(platform.HelpFile(), "/program/help.html");
        platform.verifyDone();
    }
    EXPECT_TRUE(PrintedLines(pdf).contains("Questions Correct = 1"));
}

} // namespace
} // namespace tavrin::test
