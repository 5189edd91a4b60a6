#pragma once

#include <array>
#include <filesystem>

#include "core/settings/AboutBoxDesign.h"
#include "platform/PlatformDialog.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tavrin {

class IconFileGroup;

// Designs the quiz program's about box: caption, icon, the three lines, the
// comments and when the box is shown.
class TDesignAboutForm : public PlatformDialog {
    Q_OBJECT
public:
    TDesignAboutForm(Platform& platform, std::filesystem::path quizFolder,
                     const AboutBoxDesign& design, QWidget* parent = nullptr);

    // The design as the edits hold it.
    AboutBoxDesign design() const;

    QLineEdit* CaptionEdit;
    QCheckBox* IconCheckBox;
    IconFileGroup* IconGroup;
    QLineEdit* ProgramEdit;
    QLineEdit* VersionEdit;
    QLineEdit* AuthorEdit;
    std::array<QLineEdit*, 4> CommentEdit;
    std::array<QRadioButton*, 4> WhenRadio; // Starts, Ends, Both, Neither
    QPushButton* ViewBtn;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    void IconCheckBoxClick();
    void ViewBtnClick();

private:
    QWidget* buildLinesGroup();
    QWidget* buildWhenGroup();

    std::filesystem::path quizFolder_;
    AboutBoxDesign design_;
};

// Runs the about box designer; true, with `design` changed, on "&OK".
bool DesignAboutBox(Platform& platform, const std::filesystem::path& quizFolder,
                    AboutBoxDesign& design, QWidget* parent = nullptr);

} // namespace tavrin
