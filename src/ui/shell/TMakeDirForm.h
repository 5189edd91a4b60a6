#pragma once

#include "platform/PlatformDialog.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace tavrin {

class Platform;

// Chooses a folder (existing or to be created) and a file name in it.
class TMakeDirForm : public PlatformDialog {
    Q_OBJECT
public:
    TMakeDirForm(Platform& platform, const QString& mask, const QString& prompt, int helpContext,
                 const QString& startFolder, QWidget* parent = nullptr);

    QLabel* DriveLbl;
    QComboBox* DriveComboBox1;
    QLabel* FolderLbl;
    QLineEdit* DirEdit;
    QListWidget* DirectoryListBox1;
    QListWidget* FileListBox1;
    QLabel* PromptLbl;
    QLineEdit* NameEdit;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    // The folder shown by the directory list.
    QString Directory() const { return directory_; }
    void SetDirectory(const QString& folder);

    // Valid after OK: the folder text with a trailing separator, and the name.
    QString ChosenFolder() const;
    QString ChosenName() const;

    void DriveComboBox1Change(int index);
    void DirectoryListBox1Click(QListWidgetItem* item);
    void FileListBox1Click(QListWidgetItem* item);
    void OKBtnClick();

private:
    void FillDrives();
    void FillDirectoryList();
    void FillFileList();

    QString mask_;
    QString directory_;
};

struct ChosenQuizFolder {
    QString folder; // ends with a separator
    QString name;
};

// Runs the folder chooser; empty when the author cancels.
std::optional<ChosenQuizFolder> ChooseQuizFolder(Platform& platform, const QString& mask,
                                                 const QString& prompt, int helpContext,
                                                 const QString& startFolder,
                                                 QWidget* parent = nullptr);

} // namespace tavrin
