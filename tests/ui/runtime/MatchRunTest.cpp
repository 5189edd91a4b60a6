#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "RunTestSupport.h"
#include "support/GuiTestSupport.h"
#include "ui/runtime/ChoiceLabel.h"
#include "ui/runtime/PreviewQuiz.h"
#include "ui/runtime/TDispQForm.h"
#include "ui/runtime/TResultsForm.h"

namespace tavrin::test {
namespace {

// The answer tag that shows the answer of question `questionTag`.
int AnswerTagFor(const TDispQForm& form, int questionTag) {
    const auto& permutation = form.answerPermutation();
    for (int tag = 1; tag <= static_cast<int>(permutation.size()); ++tag)
        if (permutation[static_cast<std::size_t>(tag - 1)] == questionTag)
            return tag;
    ADD_FAILURE() << "no answer for question " << questionTag;
    return 1;
}

int WrongAnswerTagFor(const TDispQForm& form, int questionTag) {
    const int right = AnswerTagFor(form, questionTag);
    return right == 1 ? 2 : 1;
}

void DoubleClick(QWidget* widget) {
    QTest::mouseDClick(widget, Qt::LeftButton);
}

// Matches by mouse: double-click the question, then the answer.
void MatchByMouse(TDispQForm& form, int questionTag, int answerTag) {
    DoubleClick(form.questionLabels[static_cast<std::size_t>(questionTag - 1)]);
    ASSERT_TRUE(form.answering());
    DoubleClick(form.answerLabels[static_cast<std::size_t>(answerTag - 1)]);
}

// Matches by keyboard: Enter on the highlighted question, Down to the
// answer wanted, Enter.
void MatchByKeyboard(TDispQForm& form, int answerTag) {
    QTest::keyClick(&form, Qt::Key_Return);
    ASSERT_TRUE(form.answering());
    ASSERT_EQ(form.highlightedAnswer(), 1);
    for (int step = 1; step < answerTag; ++step)
        QTest::keyClick(&form, Qt::Key_Down);
    QTest::keyClick(&form, Qt::Key_Return);
}

class MatchRunTest : public GuiTest {
protected:
    MatchRunTest() : source(QuizKind::QA) {}

    void AddQuestions(int count) {
        for (int i = 1; i <= count; ++i)
            source.add(QAQuestion("Q" + std::to_string(i), "Question " + std::to_string(i),
                                  "Answer " + std::to_string(i)));
    }

    MemoryQuizSource source;
    RecordingPresenter presenter;
    KeepOrder random;
};

TEST_F(MatchRunTest, TwentyOneQuestionsOnThreePagesScoredByMouseAndKeyboard) {
    AddQuestions(21);
    auto& settings = source.editSettings();
    settings.setTitleBarText("Matching");
    settings.setSaveResultsToDisk(true);
    auto window = settings.programWindow();
    window.setProgramTitle("Quiz Program");
    settings.setProgramWindow(window);

    ClockRandom shuffled; // answer orders really shuffled
    std::vector<int> pageSizes;
    std::vector<int> expectedCorrect;
    int correct = 0;
    const auto playPage = [&](QDialog& dialog) {
        auto& form = dynamic_cast<TDispQForm&>(dialog);
        EXPECT_EQ(form.windowTitle(), "Quiz Program");
        int size = 0;
        for (auto* label : form.questionLabels)
            size += label->isVisible() ? 1 : 0;
        pageSizes.push_back(size);
        EXPECT_EQ(form.QuestionGrpBox->title(), " Select a Question ");
        for (int tag = 1; tag <= size; ++tag) {
            const bool right = tag % 3 != 0;
            if (tag % 2 == 1) {
                MatchByMouse(form, tag,
                             right ? AnswerTagFor(form, tag) : WrongAnswerTagFor(form, tag));
            } else {
                // The highlight stands on the first unanswered question: this one.
                ASSERT_EQ(form.highlightedQuestion(), tag);
                MatchByKeyboard(form,
                                right ? AnswerTagFor(form, tag) : WrongAnswerTagFor(form, tag));
            }
            correct += right ? 1 : 0;
            EXPECT_FALSE(form.questionLabels[static_cast<std::size_t>(tag - 1)]->isEnabled());
            EXPECT_EQ(form.QrightLbl->text(), QString::number(correct));
        }
        EXPECT_TRUE(form.pageDone());
        EXPECT_EQ(form.QuestionGrpBox->title(), QString());
        if (pageSizes.size() < 3) {
            EXPECT_TRUE(form.BitBtn1->isVisible());
            click(form, "NextBitBtn");
        } else {
            EXPECT_FALSE(form.BitBtn1->isVisible());
            EXPECT_FALSE(form.NextBitBtn->isVisible());
            click(form, "BitBtn2");
        }
    };
    for (int page = 0; page < 3; ++page)
        platform.onDialog("TDispQForm", playPage);
    platform.onDialog("TResultsForm", [&](QDialog& dialog) {
        auto& form = dynamic_cast<TResultsForm&>(dialog);
        EXPECT_EQ(form.Label2->text(), "21");
        EXPECT_EQ(form.Label4->text(), QString::number(correct));
        click(form, "OKBtn");
    });
    platform.expectInfo("The Quiz results have been saved to MATCH.QAD");

    PreviewQuiz(platform, source, "C:\\QUIZ\\MATCH.QAJ", presenter, shuffled);

    EXPECT_EQ(pageSizes, (std::vector<int>{10, 6, 5}));
    // Every third question was matched wrongly: 3 + 2 + 1 of 21.
    EXPECT_EQ(correct, 15);
    const std::string results = source.readFile("MATCH.QAD");
    EXPECT_NE(results.find("Questions Answered = 21\r\nQuestions Correct = 15\r\n"
                           "Percentage Correct = 71%\r\n"),
              std::string::npos);
}

TEST_F(MatchRunTest, ChoosingAnswersFollowsTheKeyboardAndMouseRules) {
    AddQuestions(3);
    source.add(QAQuestion("Q4", "Question 4", "Answer 1")); // same text as Q1's answer
    source.editSettings().setTakeAllQuestions(true);
    platform.onDialog("TDispQForm", [&](QDialog& dialog) {
        auto& form = dynamic_cast<TDispQForm&>(dialog);
        ASSERT_EQ(form.answerPermutation(), (std::vector<int>{1, 2, 3, 4}));
        // A click only moves the highlight; clicks on answers are ignored until
        // a question is chosen.
        QTest::mouseClick(form.questionLabels[2], Qt::LeftButton);
        EXPECT_EQ(form.highlightedQuestion(), 3);
        QTest::mouseClick(form.answerLabels[1], Qt::LeftButton);
        EXPECT_FALSE(form.answering());
        // Up from 1 wraps to the last question.
        QTest::mouseClick(form.questionLabels[0], Qt::LeftButton);
        QTest::keyClick(&form, Qt::Key_Up);
        EXPECT_EQ(form.highlightedQuestion(), 4);
        // While answering, the chosen question cannot change.
        QTest::keyClick(&form, Qt::Key_Return);
        QTest::mouseDClick(form.questionLabels[0], Qt::LeftButton);
        EXPECT_EQ(form.highlightedQuestion(), 4);
        EXPECT_EQ(form.AnswerGrpBox->title(), " Select an Answer ");
        // Up wraps over the answers; Q4 matched to Q1's copy of "Answer 1" is wrong.
        QTest::keyClick(&form, Qt::Key_Up);
        EXPECT_EQ(form.highlightedAnswer(), 4);
        QTest::keyClick(&form, Qt::Key_Down);
        EXPECT_EQ(form.highlightedAnswer(), 1);
        QTest::keyClick(&form, Qt::Key_Return);
        EXPECT_EQ(form.QrightLbl->text(), "0");
        EXPECT_EQ(form.QDoneLbl->text(), "1");
        // Down skips the answered question: from 3 it wraps to 1.
        QTest::mouseClick(form.questionLabels[2], Qt::LeftButton);
        QTest::keyClick(&form, Qt::Key_Down);
        EXPECT_EQ(form.highlightedQuestion(), 1);
        // The same answer label may serve another question, and is right for Q1.
        MatchByMouse(form, 1, 1);
        EXPECT_EQ(form.QrightLbl->text(), "1");
        MatchByMouse(form, 2, 3);
        MatchByMouse(form, 3, 3);
        EXPECT_TRUE(form.pageDone());
        // After the last pair the keys change nothing.
        QTest::keyClick(&form, Qt::Key_Down);
        QTest::keyClick(&form, Qt::Key_Return);
        EXPECT_EQ(form.QDoneLbl->text(), "4");
        EXPECT_EQ(form.QrightLbl->text(), "2");
        click(form, "BitBtn2");
    });
    CloseResults(platform);
    PreviewQuiz(platform, source, "RULES.QAJ", presenter, random);
}

TEST_F(MatchRunTest, ClosingThePageAsksTheQuitQuestion) {
    AddQuestions(12);
    ShowAboutBox(source.editSettings(), AboutBoxDesign::kAtEnd);
    platform.expectYesNo(QuitText(), false);
    platform.expectYesNo(QuitText(), false);
    platform.expectYesNo(QuitText(), true);
    platform.onDialog("TDispQForm", [&](QDialog& dialog) {
        MatchByMouse(dynamic_cast<TDispQForm&>(dialog), 1, 1);
        dialog.close(); // the close box: No keeps it open
        EXPECT_TRUE(dialog.isVisible());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_TRUE(dialog.isVisible());
        click(dialog, "BitBtn1");
    });
    // No second page, no results: only the about box at the end.
    PreviewQuiz(platform, source, "QUIT.QAJ", presenter, random);
    EXPECT_EQ(presenter.calls.back(), "about 1");
}

TEST_F(MatchRunTest, ReviewListsFilterIncorrectAnswersAndOpenTheLaterOfTwoEqualTexts) {
    source.add(QAQuestion("A", "Same question", "first answer"));
    source.add(QAQuestion("B", "Other question", "other answer", true));
    source.add(QAQuestion("C", "Same question", "later answer"));
    source.addTopic("B", {"B", "source=HYPER", "type=1", "]"});
    auto& settings = source.editSettings();
    settings.setAllowQuestionPreview(true);
    settings.setAllowPostQuizReview(true);

    platform.expectYesNo("Would you like to preview the Questions?\n\r", true);
    platform.onDialog("TQuestListForm", [&](QDialog& dialog) {
        auto* list = findChild<QListWidget>(dialog, "ListBox1");
        ASSERT_EQ(list->count(), 3);
        EXPECT_EQ(list->currentRow(), 0);
        // The pre-quiz list opens by position: the first "Same question" is A.
        click(dialog, "OKBtn");
        EXPECT_TRUE(dialog.isVisible());
        click(dialog, "CloseBtn");
    });
    platform.onDialog("TPrevAnsForm", [&](QDialog& dialog) {
        EXPECT_EQ(findChild<QLineEdit>(dialog, "Edit2")->text(), "first answer");
        EXPECT_FALSE(findChild<QPushButton>(dialog, "Button1")->isEnabled());
        click(dialog, "CloseBtn");
    });
    platform.onDialog("TDispQForm", [&](QDialog& dialog) {
        auto& form = dynamic_cast<TDispQForm&>(dialog);
        MatchByMouse(form, 1, 2); // A wrong
        MatchByMouse(form, 2, 1); // B wrong
        MatchByMouse(form, 3, 3); // C right
        click(form, "BitBtn2");
    });
    CloseResults(platform);
    platform.expectYesNo("Would you like to study the Questions?\n\r", true);
    platform.onDialog("TPostListForm", [&](QDialog& dialog) {
        auto* list = findChild<QListWidget>(dialog, "ListBox1");
        click(dialog, "Button2");
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(0)->text(), "Same question");
        EXPECT_EQ(list->item(1)->text(), "Other question");
        // A was answered wrongly, but its text equals C's: the later opens.
        QTest::keyClick(list, Qt::Key_Return);
        list->setCurrentRow(1);
        click(dialog, "OKBtn");
        click(dialog, "Button1");
        EXPECT_EQ(list->count(), 3);
        click(dialog, "CloseBtn");
    });
    platform.onDialog("TPrevAnsForm", [&](QDialog& dialog) {
        EXPECT_EQ(findChild<QLineEdit>(dialog, "Edit2")->text(), "later answer");
        click(dialog, "CloseBtn");
    });
    platform.onDialog("TPrevAnsForm", [&](QDialog& dialog) {
        EXPECT_EQ(findChild<QLineEdit>(dialog, "Edit1")->text(), "Other question");
        click(dialog, "Button1");
        click(dialog, "CloseBtn");
    });
    PreviewQuiz(platform, source, "REVIEW.QAJ", presenter, random);
    EXPECT_EQ(presenter.calls.back(), "topic||source=HYPER|type=1|]");
}

TEST_F(MatchRunTest, AOneQuestionPageEndsWithContinueAndAllRightDisablesIncorrectOnly) {
    AddQuestions(1);
    source.editSettings().setAllowPostQuizReview(true);
    platform.onDialog("TDispQForm", [&](QDialog& dialog) {
        auto& form = dynamic_cast<TDispQForm&>(dialog);
        EXPECT_FALSE(form.questionLabels[1]->isVisible());
        MatchByMouse(form, 1, 1);
        EXPECT_TRUE(form.BitBtn2->isVisible());
        EXPECT_FALSE(form.BitBtn1->isVisible());
        click(form, "BitBtn2");
    });
    CloseResults(platform);
    platform.expectYesNo("Would you like to study the Questions?\n\r", true);
    platform.onDialog("TPostListForm", [&](QDialog& dialog) {
        EXPECT_FALSE(findChild<QPushButton>(dialog, "Button2")->isEnabled());
        click(dialog, "CloseBtn");
    });
    PreviewQuiz(platform, source, "RIGHT.QAJ", presenter, random);
}

} // namespace
} // namespace tavrin::test
