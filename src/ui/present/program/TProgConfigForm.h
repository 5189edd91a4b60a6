#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/settings/ProgramScreens.h"
#include "core/settings/ProgramWindow.h"
#include "platform/PlatformDialog.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace tavrin {

class IconFileGroup;
struct ProjectState;

// How the quiz program presents itself: title, icon, help file, video
// advisory, background, opening and closing commands, introduction and
// about box. Works on copies; nothing, not even the topic file, changes
// before "&Save".
class TProgConfigForm : public PlatformDialog {
    Q_OBJECT
public:
    TProgConfigForm(Platform& platform, std::filesystem::path quizFolder,
                    std::filesystem::path topicFile, const ProgramScreens& screens,
                    const ProgramWindow& window, QWidget* parent = nullptr);

    const ProgramScreens& screens() const { return screens_; }
    const ProgramWindow& window() const { return window_; }

    QLineEdit* TitleEdit;
    QCheckBox* IconCheck;
    IconFileGroup* IconGroup;
    QCheckBox* HelpCheck;
    QPushButton* HelpBtn;
    QCheckBox* VideoCheck;
    QPushButton* BackgroundBtn;
    QCheckBox* OpeningCheck;
    QPushButton* OpeningBtn;
    QCheckBox* ClosingCheck;
    QPushButton* ClosingBtn;
    QCheckBox* IntroCheck;
    QPushButton* IntroBtn;
    QCheckBox* AboutCheck;
    QPushButton* AboutBtn;
    QPushButton* SaveBtn;
    QPushButton* CancelBtn;

    void IconCheckClick();
    void OpeningBtnClick();
    void ClosingBtnClick();
    void IntroBtnClick();
    void AboutBtnClick();
    void HelpBtnClick();
    void BackgroundBtnClick();
    void SaveBtnClick();

private:
    QWidget* buildGroup();
    void loadCopies();
    void enableButtons();
    bool commandsDefined();
    bool storeIntroduction();

    std::filesystem::path quizFolder_;
    std::filesystem::path topicFile_;
    ProgramScreens screens_;
    ProgramWindow window_;
    bool openingDefined_ = false;
    bool closingDefined_ = false;
    std::vector<std::string> introduction_;
    bool introductionStored_ = false;
    bool introductionEdited_ = false;
};

// Runs the program configuration; true, with both parts written back, when
// the author saved. The topic file's introduction is written by then.
bool ConfigureProgram(Platform& platform, const std::filesystem::path& quizFolder,
                      const std::filesystem::path& topicFile, ProgramScreens& screens,
                      ProgramWindow& window, QWidget* parent = nullptr);

// "P&rogram Presentation" of a quiz manager: configures the open quiz and
// writes its quiz file when the author saved.
void ProgramPresentationCommand(Platform& platform, ProjectState& state, QWidget* parent = nullptr);

} // namespace tavrin
