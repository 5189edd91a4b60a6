#include "ui/shell/TMakeDirForm.h"

#include "core/files/FolderNames.h"
#include "core/files/SharedRoutines.h"
#include "platform/Platform.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>

namespace tavrin {

namespace {

constexpr int kFolderRole = Qt::UserRole + 1;

bool EndsWithSeparator(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\'));
}

} // namespace

TMakeDirForm::TMakeDirForm(Platform& platform, const QString& mask, const QString& prompt,
                           int helpContext, const QString& startFolder, QWidget* parent)
    : PlatformDialog(platform, helpContext, parent),
      DriveLbl(new QLabel(QStringLiteral("Select  Drive :"), this)),
      DriveComboBox1(new QComboBox(this)),
      FolderLbl(new QLabel(QStringLiteral("Create or Select a Folder "), this)),
      DirEdit(new QLineEdit(this)), DirectoryListBox1(new QListWidget(this)),
      FileListBox1(new QListWidget(this)), PromptLbl(new QLabel(prompt, this)),
      NameEdit(new QLineEdit(this)), OKBtn(new QPushButton(QStringLiteral("&OK"), this)),
      CancelBtn(new QPushButton(QStringLiteral("&Cancel"), this)), mask_(mask) {
    setObjectName(QStringLiteral("TMakeDirForm"));
    setWindowTitle(QStringLiteral("Press F1 for Help"));
    const std::pair<QWidget*, const char*> names[] = {
        {DriveLbl, "DriveLbl"},   {DriveComboBox1, "DriveComboBox1"},
        {FolderLbl, "FolderLbl"}, {DirEdit, "DirEdit"},
        {PromptLbl, "PromptLbl"}, {DirectoryListBox1, "DirectoryListBox1"},
        {NameEdit, "NameEdit"},   {FileListBox1, "FileListBox1"},
        {OKBtn, "OKBtn"},         {CancelBtn, "CancelBtn"}};
    for (auto [widget, name] : names)
        widget->setObjectName(QString::fromLatin1(name));

    auto* grid = new QGridLayout(this);
    grid->addWidget(DriveLbl, 0, 0);
    grid->addWidget(DriveComboBox1, 1, 0);
    grid->addWidget(FolderLbl, 2, 0);
    grid->addWidget(DirEdit, 3, 0);
    grid->addWidget(DirectoryListBox1, 4, 0);
    grid->addWidget(PromptLbl, 2, 1);
    grid->addWidget(NameEdit, 3, 1);
    grid->addWidget(FileListBox1, 4, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    grid->addLayout(buttons, 5, 0, 1, 2);
    resize(520, 360);

    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &TMakeDirForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(DirectoryListBox1, &QListWidget::itemClicked, this,
            &TMakeDirForm::DirectoryListBox1Click);
    connect(DirectoryListBox1, &QListWidget::itemActivated, this,
            &TMakeDirForm::DirectoryListBox1Click);
    connect(FileListBox1, &QListWidget::itemClicked, this, &TMakeDirForm::FileListBox1Click);

    FillDrives();
    SetDirectory(startFolder.isEmpty() ? QDir::currentPath() : startFolder);
    connect(DriveComboBox1, &QComboBox::activated, this, &TMakeDirForm::DriveComboBox1Change);
    NameEdit->setFocus();
}

void TMakeDirForm::FillDrives() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
            roots << volume.rootPath();
    }
    for (const QFileInfo& drive : QDir::drives()) {
        if (!roots.contains(drive.absolutePath()))
            roots << drive.absolutePath();
    }
    roots.sort();
    DriveComboBox1->addItems(roots);
}

void TMakeDirForm::DriveComboBox1Change(int index) {
    if (index >= 0)
        SetDirectory(DriveComboBox1->itemText(index));
}

void TMakeDirForm::SetDirectory(const QString& folder) {
    QDir dir(folder);
    directory_ = QDir::toNativeSeparators(dir.absolutePath());
    DirEdit->setText(directory_);
    FillDirectoryList();
    FillFileList();
}

// Lists the folders above the current one, the current one, then its sub-folders,
// each indented by its depth, the way a folder outline reads.
void TMakeDirForm::FillDirectoryList() {
    DirectoryListBox1->clear();
    QStringList chain;
    for (QDir dir(directory_);;) {
        chain.prepend(dir.absolutePath());
        if (!dir.cdUp())
            break;
    }
    int depth = 0;
    for (const QString& path : chain) {
        const QString name = QDir(path).dirName().isEmpty() ? path : QDir(path).dirName();
        auto* item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + name);
        item->setData(kFolderRole, path);
        DirectoryListBox1->addItem(item);
        ++depth;
    }
    DirectoryListBox1->setCurrentRow(DirectoryListBox1->count() - 1);
    const QStringList children =
        QDir(directory_)
            .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& child : children) {
        auto* item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + child);
        item->setData(kFolderRole, QDir(directory_).filePath(child));
        DirectoryListBox1->addItem(item);
    }
}

void TMakeDirForm::FillFileList() {
    FileListBox1->clear();
    for (const std::string& name : ListMatching(directory_.toStdString(), mask_.toStdString())) {
        const QString text = QString::fromStdString(name);
        if (QFileInfo(QDir(directory_).filePath(text)).isFile())
            FileListBox1->addItem(text);
    }
}

void TMakeDirForm::DirectoryListBox1Click(QListWidgetItem* item) {
    if (item)
        SetDirectory(item->data(kFolderRole).toString());
}

void TMakeDirForm::FileListBox1Click(QListWidgetItem* item) {
    if (item)
        NameEdit->setText(item->text());
}

void TMakeDirForm::OKBtnClick() {
    const QString name = NameEdit->text();
    QString error;
    if (!IsValidFileName(name.toStdString()))
        error = QStringLiteral("A correct filename must be entered.");
    else if (name.isEmpty())
        error = QStringLiteral("A filename must be entered.");
    if (!error.isEmpty()) {
        platform().ShowError(error);
        NameEdit->setFocus();
        return;
    }
    accept();
}

// A folder typed without its full path lies below the folder the list shows.
QString TMakeDirForm::ChosenFolder() const {
    QString folder = DirEdit->text();
    if (QDir::isRelativePath(folder))
        folder = QDir::toNativeSeparators(QDir(directory_).absoluteFilePath(folder));
    if (!EndsWithSeparator(folder))
        folder += QDir::separator();
    return folder;
}

QString TMakeDirForm::ChosenName() const {
    return NameEdit->text();
}

std::optional<ChosenQuizFolder> ChooseQuizFolder(Platform& platform, const QString& mask,
                                                 const QString& prompt, int helpContext,
                                                 const QString& startFolder, QWidget* parent) {
    TMakeDirForm form(platform, mask, prompt, helpContext, startFolder, parent);
    if (platform.RunModal(form) != QDialog::Accepted)
        return std::nullopt;
    return ChosenQuizFolder{form.ChosenFolder(), form.ChosenName()};
}

} // namespace tavrin
