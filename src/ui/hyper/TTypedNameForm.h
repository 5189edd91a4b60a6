#pragma once

#include <filesystem>

#include "platform/PlatformDialog.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace tavrin {

enum class TypedNameKind { WindowsProgram, NotesFile };

// A name typed by the author with no list to choose from: a Windows program
// with its document (TGetWinExeForm) or a notes file (TNoteFileForm).
class TTypedNameForm : public PlatformDialog {
    Q_OBJECT
public:
    TTypedNameForm(Platform& platform, TypedNameKind kind, std::filesystem::path quizFolder,
                   QWidget* parent = nullptr);

    QGroupBox* GroupBox1;
    QLineEdit* Edit1;
    QPushButton* ViewBtn;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    void ViewBtnClick();
    void OKBtnClick();

private:
    TypedNameKind kind_;
    std::filesystem::path quizFolder_;
};

} // namespace tavrin
