#pragma once

#include <QString>
#include <filesystem>

#include "platform/PlatformDialog.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tavrin {

// The single-file pickers. Each kind is known by its own form name
// (TGetGraphicForm, TGetAudioForm, ...), which tests and help use.
enum class PickerKind { Graphic, Voice, Midi, Video, Program, Html };

// A picker of one file of the quiz folder: a name box, the list of matching
// files, "&Find File" to bring a file in from elsewhere, and "&View".
class TFilePickerForm : public PlatformDialog {
    Q_OBJECT
public:
    TFilePickerForm(Platform& platform, PickerKind kind, std::filesystem::path quizFolder,
                    QWidget* parent = nullptr);

    // The value as the caller holds it: the file (and the duration, or the
    // program's parameters after a comma).
    void setValue(const QString& file, int duration);
    QString file() const;
    int duration() const;
    // The command value of the link: file, file "," duration, or program
    // "," parameters.
    QString command() const;

    QGroupBox* GroupBox1;
    QLineEdit* Edit1;
    QListWidget* FileListBox1;
    QPushButton* FindBtn;
    QPushButton* ViewBtn;
    QLabel* DurationLabel = nullptr;
    QLineEdit* DurationEdit = nullptr;
    QLabel* ParamLabel = nullptr;
    QLineEdit* ParamEdit = nullptr;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    void FileListBox1Click();
    void FindBtnClick();
    void ViewBtnClick();
    // False when the box held no number (it is then reset to 0).
    bool DurationEditExit();
    void OKBtnClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refreshList();
    void enableView();

    PickerKind kind_;
    std::filesystem::path quizFolder_;
};

} // namespace tavrin
