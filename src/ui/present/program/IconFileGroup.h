#pragma once

#include <QGroupBox>
#include <filesystem>
#include <string>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace tavrin {

class Platform;

// The icon choice of the program presentation dialogs: the chosen name, the
// quiz folder's icon files, and "Find File", which may copy one in. Only a
// bare name of a file in the quiz folder ever reaches the edit.
class IconFileGroup : public QGroupBox {
    Q_OBJECT
public:
    IconFileGroup(Platform& platform, std::filesystem::path quizFolder, const QString& title,
                  const QString& findCaption, const QString& findFilter, QWidget* parent);

    std::string file() const;
    // Shows `name` and selects it in the list when the quiz folder holds it;
    // false, with the edit empty, when it does not.
    bool showFile(const std::string& name);

    QLineEdit* FileEdit;
    QListWidget* FileList;
    QPushButton* FindBtn;

    void FindBtnClick();

private:
    void refreshList();

    Platform& platform_;
    std::filesystem::path quizFolder_;
    QString findCaption_;
    QString findFilter_;
};

} // namespace tavrin
