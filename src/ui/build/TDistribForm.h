#pragma once

#include <filesystem>
#include <optional>

#include "platform/PlatformDialog.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeView;
class QFileSystemModel;

namespace tavrin {

// Where the author wants the distribution made and what it holds.
struct DistributionChoice {
    std::filesystem::path folder;
    bool executable = true; // the executable quiz, else the compiled quiz and the runner
    bool webQuiz = false;   // a web quiz instead of either
    bool scorm = false;     // the web quiz zipped as a SCORM package
};

// Chooses (or names a new) folder for a distribution. The edit follows the
// folder list and may be typed into; the quiz folder itself is refused.
class TDistribForm : public PlatformDialog {
    Q_OBJECT

public:
    TDistribForm(Platform& platform, std::filesystem::path quizFolder, bool executable,
                 QWidget* parent = nullptr);

    DistributionChoice choice() const;

    QComboBox* DriveComboBox1;
    QTreeView* DirectoryListBox1;
    QLineEdit* Edit1;
    QGroupBox* GroupBox1;
    QRadioButton* RadioButton1; // "Compiled Quiz"
    QRadioButton* RadioButton2; // "Executable Quiz"
    QRadioButton* RadioButton3; // "Web Quiz"
    QCheckBox* CheckBox1;       // "SCORM package", for a web quiz
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

private:
    void DriveComboBox1Change();
    void DirectoryListBox1Change();
    void BitBtn1Click();
    void RadioButton3Click();

    std::filesystem::path quizFolder_;
    QFileSystemModel* folders_;
};

// Runs TDistribForm starting at the quiz folder; nothing when cancelled.
std::optional<DistributionChoice> ChooseDistributionFolder(Platform& platform,
                                                           const std::filesystem::path& quizFolder,
                                                           bool executable = true);

} // namespace tavrin
