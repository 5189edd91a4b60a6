#include "ui/present/program/THelpfileForm.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/files/SharedRoutines.h"
#include "core/settings/ProgramPresentation.h"
#include "platform/Platform.h"
#include "platform/PlatformConversions.h"
#include "ui/hyper/PickerKinds.h"
#include "ui/present/ImportToQuizFolder.h"

namespace tavrin {

namespace {
const QString kHelpMask = QStringLiteral("*.HLP");
const QString kNotANumber = QStringLiteral("That is not a valid number");
const QString kNotInQuizFolder = QStringLiteral("%1 is not a file name in the quiz folder.");
const QString kTopicBelowOne = QStringLiteral("The Starting Topic must be greater than 0.");
// A help file is looked up in the quiz folder only, so a name may hold no folder.
bool IsBareFileName(const std::string& name) {
    return IsValidFileName(name) && name.find('\\') == std::string::npos && name != "." &&
           name != "..";
}

} // namespace

THelpfileForm::THelpfileForm(Platform& platform, std::filesystem::path quizFolder,
                             const ProgramWindow& window, QWidget* parent)
    : PlatformDialog(platform, 405, parent), HelpFileEdit(new QLineEdit(this)),
      FileListBox1(new QListWidget(this)), FindBtn(new QPushButton(tr("Find File"), this)),
      TopicEdit(new QLineEdit(this)), OKBtn(new QPushButton(tr("&OK"), this)),
      CancelBtn(new QPushButton(tr("&Cancel"), this)), quizFolder_(std::move(quizFolder)),
      window_(window) {
    setObjectName(QStringLiteral("THelpfileForm"));
    setWindowTitle(tr("Press F1 for Help"));
    HelpFileEdit->setObjectName(QStringLiteral("HelpFileEdit"));
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    FindBtn->setObjectName(QStringLiteral("FindBtn"));
    TopicEdit->setObjectName(QStringLiteral("TopicEdit"));
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    HelpFileEdit->setMaxLength(12);
    TopicEdit->setMaxLength(8);

    auto* fields = new QFormLayout;
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(HelpFileEdit, 1);
    fileRow->addWidget(FindBtn);
    fields->addRow(tr("HelpFile :"), fileRow);
    fields->addRow(QString(), FileListBox1);
    fields->addRow(tr("Starting Topic :"), TopicEdit);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    refreshList();
    HelpFileEdit->setText(ShownText(window_.helpFile()));
    TopicEdit->setText(QString::number(ShownStartingTopic(window_.helpStartTopic())));
    TopicEdit->installEventFilter(this);

    connect(FileListBox1, &QListWidget::currentTextChanged, HelpFileEdit, &QLineEdit::setText);
    connect(FindBtn, &QPushButton::clicked, this, &THelpfileForm::FindBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &THelpfileForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

bool THelpfileForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TopicEdit && event->type() == QEvent::FocusOut && isVisible())
        TopicEditExit();
    return PlatformDialog::eventFilter(watched, event);
}

void THelpfileForm::refreshList() {
    const QSignalBlocker quiet(FileListBox1);
    FileListBox1->clear();
    FileListBox1->addItems(PickerFolderList(quizFolder_, kHelpMask));
}

void THelpfileForm::FindBtnClick() {
    const auto chosen = ImportToQuizFolder(platform(), quizFolder_, tr("Copy Help File"),
                                           QStringLiteral("Help File|*.HLP"), HelpFileEdit->text());
    if (!chosen)
        return;
    refreshList();
    HelpFileEdit->setText(*chosen);
}

void THelpfileForm::TopicEditExit() {
    if (ParseWholeNumber(StoredText(TopicEdit->text())))
        return;
    platform().ShowError(kNotANumber);
    TopicEdit->setText(QStringLiteral("1"));
    TopicEdit->setFocus();
}

void THelpfileForm::OKBtnClick() {
    // An empty edit has no number to store: the first topic is meant.
    const QString typed = TopicEdit->text().trimmed();
    const auto topic =
        typed.isEmpty() ? std::optional<std::int32_t>(1) : ParseWholeNumber(StoredText(typed));
    if (!topic) {
        TopicEditExit();
        return;
    }
    if (*topic < 1) {
        platform().ShowError(kTopicBelowOne);
        TopicEdit->setText(QStringLiteral("1"));
        TopicEdit->setFocus();
        return;
    }
    const std::string helpFile = StoredText(HelpFileEdit->text().trimmed());
    if (!IsBareFileName(helpFile)) {
        platform().ShowError(kNotInQuizFolder.arg(HelpFileEdit->text()));
        HelpFileEdit->setFocus();
        return;
    }
    window_.setHelpFile(helpFile);
    window_.setHelpStartTopic(*topic);
    accept();
}

bool EditHelpFile(Platform& platform, const std::filesystem::path& quizFolder,
                  ProgramWindow& window, QWidget* parent) {
    THelpfileForm form(platform, quizFolder, window, parent);
    if (platform.RunModal(form) != QDialog::Accepted)
        return false;
    window = form.window();
    return true;
}

} // namespace tavrin
