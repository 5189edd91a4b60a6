#include "ui/runtime/QuestionListForm.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "core/run/ResultsText.h"
#include "platform/StepAside.h"
#include "ui/runtime/RunStyle.h"
#include "ui/runtime/TPrevAnsForm.h"
#include "ui/runtime/TTMViewForm.h"

namespace tavrin {

QuestionListForm::QuestionListForm(RunContext& run, const QString& name, bool review,
                                   QWidget* parent)
    : PlatformDialog(run.platform, run.helpContext(), parent), ListBox1(new QListWidget(this)),
      OKBtn(new QPushButton(tr("OK"), this)), CloseBtn(new QPushButton(tr("&Close"), this)),
      run_(run), review_(review) {
    setObjectName(name);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    setWindowTitle(run.text(CustomTexts::kReviewPrompt));
    setFixedSize(460, 340);
    ListBox1->setGeometry(12, 12, 436, 264);
    OKBtn->setDefault(true);
    OKBtn->setAutoDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QuestionListForm::OKBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &QuestionListForm::ListBox1DblClick);
    ListBox1->installEventFilter(this);

    fullList_ = FullList(run.state);
    if (review) {
        Button1 = new QPushButton(run.text(CustomTexts::kAllQuestionsChoice), this);
        Button2 = new QPushButton(run.text(CustomTexts::kIncorrectOnlyChoice), this);
        Button1->setObjectName(QStringLiteral("Button1"));
        Button2->setObjectName(QStringLiteral("Button2"));
        Button1->setGeometry(12, 290, 100, 28);
        Button2->setGeometry(120, 290, 110, 28);
        Button2->setEnabled(AnyIncorrect());
        connect(Button1, &QPushButton::clicked, this, &QuestionListForm::Button1Click);
        connect(Button2, &QPushButton::clicked, this, &QuestionListForm::Button2Click);
        OKBtn->setGeometry(250, 290, 90, 28);
        CloseBtn->setGeometry(350, 290, 90, 28);
    } else {
        OKBtn->setGeometry(130, 290, 90, 28);
        CloseBtn->setGeometry(240, 290, 90, 28);
    }
    ShowList(fullList_);
}

std::vector<std::string> QuestionListForm::FullList(const QuizRunState& state) {
    if (state.kind == QuizKind::QA)
        return state.QuestionTexts();
    std::vector<std::string> entries;
    for (auto& entry : state.PreviewEntries())
        if (!entry.empty())
            entries.push_back(std::move(entry));
    return entries;
}

void QuestionListForm::ShowList(const std::vector<std::string>& list) {
    shownList_ = list;
    ListBox1->clear();
    for (const auto& line : list)
        ListBox1->addItem(ShownText(line));
    if (ListBox1->count() > 0) {
        ListBox1->setCurrentRow(0);
        ListBox1->scrollToItem(ListBox1->item(0));
    }
}

bool QuestionListForm::AnyIncorrect() const {
    const auto& state = run_.state;
    if (state.kind == QuizKind::QA) {
        const int count = std::min<int>(static_cast<int>(fullList_.size()), state.RunList.Count());
        for (int i = 0; i < count; ++i)
            if (!state.AnsweredCorrectly(i))
                return true;
        return false;
    }
    const auto entries = state.PreviewEntries();
    const int count = std::min<int>(state.QuestionsToTake, static_cast<int>(entries.size()));
    for (int i = 0; i < count; ++i)
        if (!entries[static_cast<std::size_t>(i)].empty() && !state.AnsweredCorrectly(i))
            return true;
    return false;
}

std::vector<std::string> QuestionListForm::IncorrectList() const {
    const auto& state = run_.state;
    const auto texts = state.kind == QuizKind::QA ? state.QuestionTexts() : state.PreviewEntries();
    std::vector<std::string> list;
    for (int i = 0; i < static_cast<int>(texts.size()); ++i) {
        const auto& text = texts[static_cast<std::size_t>(i)];
        if (state.AnsweredCorrectly(i) || (state.kind != QuizKind::QA && text.empty()))
            continue;
        list.push_back(text);
    }
    return list;
}

void QuestionListForm::Button1Click() {
    ShowList(fullList_);
    ListBox1->setFocus();
}

void QuestionListForm::Button2Click() {
    ShowList(IncorrectList());
    ListBox1->setFocus();
}

void QuestionListForm::OKBtnClick() {
    OpenSelected();
}

void QuestionListForm::ListBox1DblClick(QListWidgetItem*) {
    OpenSelected();
}

int QuestionListForm::RunListIndexOf(int row, const std::string& text) const {
    const auto& state = run_.state;
    if (state.kind == QuizKind::QA)
        return review_ ? LastIndexOf(fullList_, text) : row;
    return LastIndexOf(state.PreviewEntries(), text);
}

void QuestionListForm::OpenSelected() {
    const int row = ListBox1->currentRow();
    if (row < 0 || row >= static_cast<int>(shownList_.size()))
        return;
    const int index = RunListIndexOf(row, shownList_[static_cast<std::size_t>(row)]);
    if (index < 0 || index >= run_.state.RunList.Count())
        return;
    run_.state.TakeRecord(index);
    if (run_.state.kind == QuizKind::QA) {
        StepAside aside(run_.platform, *this);
        ViewQAQuestion(run_, this);
    } else {
        ViewTMQuestion(run_, this);
    }
}

bool QuestionListForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListBox1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            OpenSelected();
            return true;
        }
    }
    return PlatformDialog::eventFilter(watched, event);
}

void QuestionListForm::done(int result) {
    hide();
    QApplication::processEvents();
    PlatformDialog::done(result);
}

} // namespace tavrin
