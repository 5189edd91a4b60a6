#pragma once

#include <QString>
#include <filesystem>

#include "platform/PlatformDialog.h"

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tavrin {

// The picker of a picture shown with a sound: a picture of the quiz folder,
// a sound of the quiz folder and how long the picture stays.
class TGetGrAudioForm : public PlatformDialog {
    Q_OBJECT
public:
    TGetGrAudioForm(Platform& platform, std::filesystem::path quizFolder,
                    QWidget* parent = nullptr);

    void setValues(const QString& graphic, const QString& sound, int duration);
    QString command() const;

    QGroupBox* GroupBox1;
    QLineEdit* Edit1;
    QListWidget* FileListBox1;
    QPushButton* FindBtn;
    QGroupBox* GroupBox2;
    QLineEdit* Edit2;
    QListWidget* FileListBox2;
    QPushButton* FindBtn2;
    QLineEdit* DurationEdit;
    QPushButton* ViewBtn;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    void FindBtnClick();
    void FindBtn2Click();
    void ViewBtnClick();
    bool DurationEditExit();
    void OKBtnClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refreshLists();
    void enableView();

    std::filesystem::path quizFolder_;
};

bool PickGraphicAndSound(Platform& platform, const std::filesystem::path& quizFolder,
                         QString& command, QString& graphic, QString& sound, int& duration,
                         QWidget* parent = nullptr);

} // namespace tavrin
