#pragma once

#include <filesystem>

#include "core/settings/ProgramWindow.h"
#include "platform/PlatformDialog.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace tavrin {

// The quiz program's help file and the topic its help opens at.
class THelpfileForm : public PlatformDialog {
    Q_OBJECT
public:
    THelpfileForm(Platform& platform, std::filesystem::path quizFolder, const ProgramWindow& window,
                  QWidget* parent = nullptr);

    const ProgramWindow& window() const { return window_; }

    QLineEdit* HelpFileEdit;
    QListWidget* FileListBox1;
    QPushButton* FindBtn;
    QLineEdit* TopicEdit;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    void FindBtnClick();
    void TopicEditExit();
    void OKBtnClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refreshList();

    std::filesystem::path quizFolder_;
    ProgramWindow window_;
};

// Runs the help file dialog on `window`; true, with it changed, on "&OK".
bool EditHelpFile(Platform& platform, const std::filesystem::path& quizFolder,
                  ProgramWindow& window, QWidget* parent = nullptr);

} // namespace tavrin
