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

// The lists follow the folder and fill the name; a bad or empty name is
// refused with the form kept open; the typed folder and name are returned.
TEST_F(MakeDirFormTest, ListsFillTheNameNamesAreCheckedAndCancelGivesNothing) {
    platform.onDialog("TMakeDirForm", [this](QDialog& dialog) {
        auto& form = static_cast<TMakeDirForm&>(dialog);
        ASSERT_EQ(form.FileListBox1->count(), 1);
        form.FileListBox1Click(form.FileListBox1->item(0));
        EXPECT_EQ(form.NameEdit->text(), "HISTORY.QAJ");
        const auto subs = form.DirectoryListBox1->findItems("SUB", Qt::MatchEndsWith);
        ASSERT_EQ(subs.size(), 1);
        form.DirectoryListBox1Click(subs.first());
        EXPECT_EQ(form.DirEdit->text(), QDir::toNativeSeparators(temp.path() + "/SUB"));
        EXPECT_EQ(form.FileListBox1->count(), 0);
        form.DirEdit->setText(form.DirEdit->text() + "/NEW");

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
    const auto chosen = ChooseQuizFolder(platform, "*.qaj", "Pick one", 105, temp.path());
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->folder, QDir::toNativeSeparators(temp.path() + "/SUB") + "/NEW/");
    EXPECT_EQ(chosen->name, "QUIZ 1.B");

    platform.onDialog("TMakeDirForm", [](QDialog& dialog) {
        static_cast<TMakeDirForm&>(dialog).CancelBtn->click();
    });
    EXPECT_FALSE(ChooseQuizFolder(platform, "*.QAJ", "p", 105, temp.path())) << "cancel";
}

} // namespace
} // namespace tavrin
