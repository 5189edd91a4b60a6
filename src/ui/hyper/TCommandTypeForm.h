#pragma once

#include <QString>
#include <filesystem>

#include "core/settings/CommandRecord.h"
#include "platform/PlatformDialog.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace tavrin {

// Edits an opening or closing command of the quiz program: a picture, a
// sound, a picture with a sound or a program, each defined through its picker.
class TCommandTypeForm : public PlatformDialog {
    Q_OBJECT
public:
    TCommandTypeForm(Platform& platform, const CommandRecord& record, const QString& caption,
                     int helpContext, bool shortKinds, std::filesystem::path quizFolder,
                     QWidget* parent = nullptr);

    const CommandRecord& record() const { return record_; }

    QGroupBox* GroupBox1;
    QRadioButton* RadioButton1; // " Graphic Only"
    QRadioButton* RadioButton2; // " Voice Only"
    QRadioButton* RadioButton3; // " Executable"
    QRadioButton* RadioButton4; // " Graphic and Sound"
    QPushButton* DefineBtn1;
    QPushButton* DefineBtn2;
    QPushButton* DefineBtn3;
    QPushButton* DefineBtn4;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    void RadioButtonClick(int type);
    void DefineClick(int type);
    void OKBtnClick();

private:
    void enableDefines();
    void storePicked(const QString& command);
    QString checkBeforeClosing();

    CommandRecord record_;
    std::int16_t currentType_;
    bool defined_ = false;
    bool shortKinds_;
    std::filesystem::path quizFolder_;
};

// Runs the command-type dialog on a copy of the record; true, with the
// record updated, when the author pressed "&OK".
bool EditCommand(Platform& platform, CommandRecord& record, const QString& caption, int helpContext,
                 bool shortKinds, const std::filesystem::path& quizFolder,
                 QWidget* parent = nullptr);

} // namespace tavrin
