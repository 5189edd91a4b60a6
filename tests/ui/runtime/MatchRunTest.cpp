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
    std::vector<int> pageSizes;
    int correct = 0;
    const auto playPage = [&](QDialog& dialog) {
        auto& form = dynamic_cast<TDispQForm&>(dialog);
        int size = 0;
        for (auto* label : form.questionLabels)
            size += label->isVisible() ? 1 : 0;
        pageSizes.push_back(size);
        QTest::mouseClick(form.answerLabels[0], Qt::LeftButton);
        EXPECT_FALSE(form.answering()) << "answers wait until a question is chosen";
        for (int tag = 1; tag <= size; ++tag) {
            const bool right = tag % 3 != 0;
            const int answer = right ? tag : tag == 1 ? 2 : 1; // answers in stored order
            if (tag % 2 == 1) {
                MatchByMouse(form, tag, answer);
            } else {
                // The highlight stands on the first unanswered question: this one.
                ASSERT_EQ(form.highlightedQuestion(), tag);
                MatchByKeyboard(form, answer);
            }
            correct += right ? 1 : 0;
            EXPECT_EQ(form.QrightLbl->text(), QString::number(correct));
        }
        EXPECT_TRUE(form.pageDone());
        QTest::keyClick(&form, Qt::Key_Return);
        EXPECT_FALSE(form.answering()) << "a finished page takes no more keys";
        if (pageSizes.size() < 3) {
            click(form, "NextBitBtn");
        } else {
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

    PreviewQuiz(platform, source, "MATCH.QAJ", presenter, random);

    EXPECT_EQ(pageSizes, (std::vector<int>{10, 6, 5}));
    // Every third question was matched wrongly: 3 + 2 + 1 of 21.
    EXPECT_EQ(correct, 15);
}

TEST_F(MatchRunTest, ReviewListsFilterIncorrectAnswersAndOpenTheLaterOfTwoEqualTexts) {
    source.add(QAQuestion("A", "Same question", "first answer"));
    source.add(QAQuestion("B", "Other question", "other answer"));
    source.add(QAQuestion("C", "Same question", "later answer"));
    auto& settings = source.editSettings();
    settings.setAllowQuestionPreview(true);
    settings.setAllowPostQuizReview(true);

    platform.expectYesNo("Would you like to preview the Questions?\n\r", true);
    platform.onDialog("TQuestListForm", [&](QDialog& dialog) {
        auto* list = findChild<QListWidget>(dialog, "ListBox1");
        ASSERT_EQ(list->count(), 3);
        // The pre-quiz list opens by position: the first "Same question" is A.
        click(dialog, "OKBtn");
        EXPECT_TRUE(dialog.isVisible());
        click(dialog, "CloseBtn");
    });
    platform.onDialog("TPrevAnsForm", [&](QDialog& dialog) {
        EXPECT_EQ(findChild<QLineEdit>(dialog, "Edit2")->text(), "first answer");
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
        // A was answered wrongly, but its text equals C's: the later opens.
        QTest::keyClick(list, Qt::Key_Return);
        click(dialog, "CloseBtn");
    });
    platform.onDialog("TPrevAnsForm", [&](QDialog& dialog) {
        EXPECT_EQ(findChild<QLineEdit>(dialog, "Edit2")->text(), "later answer");
        click(dialog, "CloseBtn");
    });
    PreviewQuiz(platform, source, "REVIEW.QAJ", presenter, random);
}

} // namespace
} // namespace tavrin::test
