#pragma once

#include <string>
#include <vector>

#include "platform/PlatformDialog.h"
#include "ui/runtime/RunContext.h"

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace tavrin {

// The question lists of a run: before the quiz to study the questions, after
// it to review them, then with a filter for the incorrectly answered ones.
// The match quizzes list question texts and open them by position (review:
// by the last equal text); the other kinds list preview menu entries and open
// the last question with an equal entry.
class QuestionListForm : public PlatformDialog {
    Q_OBJECT

public:
    QListWidget* ListBox1;
    QPushButton* OKBtn;
    QPushButton* CloseBtn;
    QPushButton* Button1 = nullptr; // all questions (review lists)
    QPushButton* Button2 = nullptr; // incorrect only (review lists)

    void OKBtnClick();
    void ListBox1DblClick(QListWidgetItem* item);
    void Button1Click();
    void Button2Click();

    void done(int result) override;

    // The full list of a run, as the window of this kind would show it.
    static std::vector<std::string> FullList(const QuizRunState& state);

protected:
    QuestionListForm(RunContext& run, const QString& name, bool review, QWidget* parent);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowList(const std::vector<std::string>& list);
    std::vector<std::string> IncorrectList() const;
    bool AnyIncorrect() const;
    void OpenSelected();
    int RunListIndexOf(int row, const std::string& text) const;

    RunContext& run_;
    bool review_;
    std::vector<std::string> fullList_;
    std::vector<std::string> shownList_;
};

} // namespace tavrin
