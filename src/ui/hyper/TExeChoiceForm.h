#pragma once

#include <QString>
#include <array>
#include <filesystem>

#include "platform/PlatformDialog.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace tavrin {

// The choice among the program kinds: a program with parameters (LinkType 4),
// a Windows program with a document (9) and, in the full form, an HTML page
// (10). The short form (TExe2ChoiceForm) offers only the first two.
class TExeChoiceForm : public PlatformDialog {
    Q_OBJECT
public:
    TExeChoiceForm(Platform& platform, bool shortForm, std::filesystem::path quizFolder,
                   QString value, int linkType, QWidget* parent = nullptr);

    int linkType() const { return linkType_; }
    QString command() const { return command_; }

    QGroupBox* GroupBox1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3 = nullptr;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3 = nullptr;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    void RadioButtonClick();
    void AddClick(int kind);

private:
    void enableAdds();

    std::filesystem::path quizFolder_;
    std::array<QString, 3> values_;
    int linkType_;
    QString command_;
};

// Runs the choice; on OK the command and LinkType are those of the last
// "Add" that ended with OK.
bool ChooseProgramKind(Platform& platform, const std::filesystem::path& quizFolder,
                       QString& command, QString& value, int& linkType, QWidget* parent = nullptr);
bool ChooseProgramKindShort(Platform& platform, const std::filesystem::path& quizFolder,
                            QString& command, QString& value, int& linkType,
                            QWidget* parent = nullptr);

} // namespace tavrin
