#include "support/GuiTestSupport.h"
#include "ui/shell/TMakeDirForm.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tavrin {
namespace {

class MakeDirFormTest : public test::GuiTest {
protected:
    void SetUp() override {
        QDir(temp.path()).mkdir("SUB");
        QFile quiz(temp.path() + "/HISTORY.QAJ");
        ASSERT_TRUE(quiz.open(QIODevice::WriteOnly));
        QFile other(temp.path() + "/NOTES.TXT");
        ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    }
    QTemporaryDir temp;
};

TEST_F(MakeDirFormTest, NamesAreCheckedBeforeClosingAndCancelGivesNothing) {
    platform.onDialog("TMakeDirForm", [this](QDialog& dialog) {
        auto& form = static_cast<TMakeDirForm&>(dialog);
        EXPECT_TRUE(form.NameEdit->text().isEmpty());
        form.NameEdit->setText("what?");
        platform.expectError("A correct filename must be entered.");
        form.OKBtn->click();
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.focusWidget(), form.NameEdit);
        form.NameEdit->clear();
        platform.expectError("A filename must be entered.");
        form.OKBtn->click();
        EXPECT_TRUE(form.isVisible());
        form.NameEdit->setText("QUIZ 1.B");
        form.OKBtn->click();
    });
    const auto chosen =
        ChooseQuizFolder(platform, "*.QAJ", "Enter new Quiz name", 105, temp.path());
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->name, "QUIZ 1.B");
    EXPECT_EQ(chosen->folder, QDir::toNativeSeparators(temp.path()) + QDir::separator());

    platform.onDialog("TMakeDirForm", [](QDialog& dialog) {
        static_cast<TMakeDirForm&>(dialog).CancelBtn->click();
    });
    EXPECT_FALSE(ChooseQuizFolder(platform, "*.QAJ", "p", 105, temp.path())) << "cancel";
}

TEST_F(MakeDirFormTest, ListsFollowTheFolderAndFillTheName) {
    platform.onDialog("TMakeDirForm", [this](QDialog& dialog) {
        auto& form = static_cast<TMakeDirForm&>(dialog);
        ASSERT_EQ(form.FileListBox1->count(), 1);
        EXPECT_EQ(form.FileListBox1->item(0)->text(), "HISTORY.QAJ");
        form.FileListBox1Click(form.FileListBox1->item(0));
        EXPECT_EQ(form.NameEdit->text(), "HISTORY.QAJ");

        const auto subs = form.DirectoryListBox1->findItems("SUB", Qt::MatchEndsWith);
        ASSERT_EQ(subs.size(), 1);
        form.DirectoryListBox1Click(subs.first());
        EXPECT_EQ(form.DirEdit->text(), QDir::toNativeSeparators(temp.path() + "/SUB"));
        EXPECT_EQ(form.FileListBox1->count(), 0);
        form.DirEdit->setText(form.DirEdit->text() + "/NEW");
        form.OKBtn->click();
    });
    const auto chosen = ChooseQuizFolder(platform, "*.qaj", "Pick one", 105, temp.path());
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->folder, QDir::toNativeSeparators(temp.path() + "/SUB") + "/NEW/");
    EXPECT_EQ(chosen->name, "HISTORY.QAJ");
}

} // namespace
} // namespace tavrin
