#pragma once

#include <QString>
#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/topics/InformationChoice.h"
#include "platform/PlatformDialog.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tavrin {

// The information menu: one piece of information for a question, chosen
// among the link types, filled in by the pickers and the text editor, and
// saved as a topic of the topic file. THypMenuForm, the feedback menu of the
// score groups, is the same menu with the notes-file option added.
class TInfoMenuForm : public PlatformDialog {
    Q_OBJECT
public:
    TInfoMenuForm(Platform& platform, std::filesystem::path topicFile,
                  std::filesystem::path quizFolder, std::string topicName,
                  QWidget* parent = nullptr);

    // Opens the menu on a stored topic. Throws FormatError when a stored
    // value does not convert.
    void LoadTopic(const std::vector<std::string>& lines);
    const InformationChoice& choice() const { return choice_; }

    QGroupBox* GroupBox1;
    std::array<QRadioButton*, 9> RadioButtons{};
    std::array<QPushButton*, 9> AddButtons{};
    QPushButton* SaveBtn;
    QPushButton* CancelBtn;

    void RadioButtonClick(int option);
    void AddClick(int option);
    void SaveBtnClick();

protected:
    TInfoMenuForm(Platform& platform, std::filesystem::path topicFile,
                  std::filesystem::path quizFolder, std::string topicName, bool feedbackMenu,
                  QWidget* parent);
    bool feedbackMenu() const { return feedbackMenu_; }
    void selectOption(int option);

private:
    void buildOptions();
    void enableAdds();
    void addDisplayText(int mode);
    void addGraphic();
    void addGraphicAndSound();
    void addOneFile(int option);
    void addProgram();
    void addNotesFile();

    std::filesystem::path topicFile_;
    std::filesystem::path quizFolder_;
    std::string topicName_;
    bool feedbackMenu_;
    InformationChoice choice_;
};

using TopicLoader = std::function<void(const std::vector<std::string>& lines)>;

// Runs either menu on the "HYPER" topic `name`, loaded into it by `load` when
// the topic file holds it. True when the author saved, or when the topic was
// there before (its owner keeps its information whatever the author does).
bool RunMenuOnTopic(Platform& platform, TInfoMenuForm& menu, const std::filesystem::path& topicFile,
                    const std::string& name, const TopicLoader& load);

// Opens the information menu of a question (topic source "HYPER"), on its
// stored topic when it has one. True when the author saved, or when the
// question already had information.
bool RunInformationMenu(Platform& platform, const std::filesystem::path& topicFile,
                        const std::filesystem::path& quizFolder, const std::string& identifier,
                        QWidget* parent = nullptr);

} // namespace tavrin
