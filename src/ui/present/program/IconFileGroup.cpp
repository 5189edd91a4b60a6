#include "ui/present/program/IconFileGroup.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/files/FolderNames.h"
#include "core/files/SharedRoutines.h"
#include "platform/PlatformConversions.h"
#include "ui/hyper/PickerKinds.h"
#include "ui/present/ImportToQuizFolder.h"

namespace tavrin {

namespace {
const QString kIconMask = QStringLiteral("*.ICO");
}

IconFileGroup::IconFileGroup(Platform& platform, std::filesystem::path quizFolder,
                             const QString& title, const QString& findCaption,
                             const QString& findFilter, QWidget* parent)
    : QGroupBox(title, parent), FileEdit(new QLineEdit(this)), FileList(new QListWidget(this)),
      FindBtn(new QPushButton(tr("&Find File"), this)), platform_(platform),
      quizFolder_(std::move(quizFolder)), findCaption_(findCaption), findFilter_(findFilter) {
    FileEdit->setObjectName(QStringLiteral("IconEdit"));
    FileList->setObjectName(QStringLiteral("IconList"));
    FindBtn->setObjectName(QStringLiteral("IconFindBtn"));
    FileEdit->setReadOnly(true);
    FileEdit->setMaxLength(150);
    FileList->setMaximumHeight(90);
    auto* row = new QHBoxLayout;
    row->addWidget(FileEdit, 1);
    row->addWidget(FindBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(FileList);
    refreshList();
    connect(FileList, &QListWidget::currentTextChanged, FileEdit, &QLineEdit::setText);
    connect(FindBtn, &QPushButton::clicked, this, &IconFileGroup::FindBtnClick);
}

std::string IconFileGroup::file() const {
    return StoredText(FileEdit->text());
}

bool IconFileGroup::showFile(const std::string& name) {
    const auto found = name.empty() ? std::nullopt : ResolveStoredFile(quizFolder_, name);
    FileList->setCurrentItem(nullptr);
    FileEdit->setText(found ? ShownText(name) : QString());
    if (!found)
        return false;
    const auto matches = FileList->findItems(ShownText(name), Qt::MatchFixedString);
    if (!matches.empty())
        FileList->setCurrentItem(matches.front());
    FileEdit->setText(ShownText(name));
    return true;
}

void IconFileGroup::FindBtnClick() {
    auto chosen =
        ImportToQuizFolder(platform_, quizFolder_, findCaption_, findFilter_, FileEdit->text());
    if (!chosen)
        return;
    refreshList();
    // A mask or an outside name left in the edit names no icon: the quiz
    // folder's first icon stands in.
    if (!IsValidFileName(StoredText(*chosen))) {
        const QStringList icons = PickerFolderList(quizFolder_, kIconMask);
        *chosen = icons.empty() ? QString() : icons.front();
    }
    FileEdit->setText(*chosen);
}

void IconFileGroup::refreshList() {
    const QSignalBlocker quiet(FileList);
    FileList->clear();
    FileList->addItems(PickerFolderList(quizFolder_, kIconMask));
}

} // namespace tavrin
