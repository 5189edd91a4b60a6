#pragma once

#include <filesystem>
#include <string>

#include "core/settings/ProgramScreens.h"
#include "core/settings/ProgramWindow.h"
#include "platform/PlatformDialog.h"

class QCheckBox;
class QPushButton;

namespace tavrin {

// Chooses what the introduction screen holds: title bar, status bar, a
// placed text window and the menu bar, each designed through its button.
class TIntroDesignForm : public PlatformDialog {
    Q_OBJECT
public:
    TIntroDesignForm(Platform& platform, std::filesystem::path quizFolder,
                     const ProgramScreens& screens, const ProgramWindow& window, std::string rtf,
                     QWidget* parent = nullptr);

    // The screens with the boxes' flags and whatever the nested designers stored.
    ProgramScreens screens() const;

    QCheckBox* TitleCheck;
    QPushButton* TitleBtn;
    QCheckBox* StatusCheck;
    QPushButton* StatusBtn;
    QCheckBox* TextWindowCheck;
    QPushButton* TextWindowBtn;
    QCheckBox* MenuCheck;
    QPushButton* MenuBtn;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    void TitleBtnClick();
    void StatusBtnClick();
    void TextWindowBtnClick();
    void MenuBtnClick();

private:
    void storeFlags();
    void enableButtons();

    std::filesystem::path quizFolder_;
    ProgramScreens screens_;
    ProgramWindow window_;
    std::string rtf_;
};

// Runs the introduction screen designer; true, with `screens` changed, on "&OK".
bool DesignIntroductionScreen(Platform& platform, const std::filesystem::path& quizFolder,
                              ProgramScreens& screens, const ProgramWindow& window,
                              const std::string& rtf, QWidget* parent = nullptr);

} // namespace tavrin
