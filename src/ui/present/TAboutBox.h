#pragma once

#include <filesystem>

#include "core/settings/AboutBoxDesign.h"
#include "platform/PlatformDialog.h"

class QFrame;
class QLabel;
class QPushButton;

namespace tavrin {

// The about box of a quiz program, as its author designed it: an icon, the
// program's name, version and author, and the comments, closed with OK.
class TAboutBox : public PlatformDialog {
    Q_OBJECT

public:
    // `icon` is the icon file found in the quiz folder; empty for none.
    TAboutBox(Platform& platform, const AboutBoxDesign& design, const std::filesystem::path& icon,
              QWidget* parent = nullptr);

    QFrame* Panel1;
    QLabel* ProgramIcon;
    QLabel* ProductName;
    QLabel* Version;
    QLabel* Copyright;
    QLabel* Comments;
    QPushButton* OKButton;
};

// The comments label's text: each non-empty line followed by a space, each
// empty line a paragraph break.
QString AboutBoxComments(const AboutBoxDesign& design);

// Shows the about box modally. An icon it should show that is missing from
// the quiz folder is reported instead, and no box is shown.
void ShowAboutBox(Platform& platform, const std::filesystem::path& quizFolder,
                  const AboutBoxDesign& design, QWidget* parent = nullptr);

} // namespace tavrin
