#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/settings/ProgramScreens.h"
#include "core/settings/ProgramWindow.h"
#include "platform/PlatformDialog.h"

namespace tavrin {

class DesignedScreen;

// The introduction as the learner sees it: the program's bars and menu, the
// background, and the formatted text in its window. Esc, "Close" or a right
// click on the background closes it.
class TIntDispForm : public PlatformDialog {
    Q_OBJECT

public:
    TIntDispForm(Platform& platform, std::filesystem::path quizFolder,
                 const ProgramScreens& screens, const ProgramWindow& window,
                 const std::vector<std::string>& lines, QWidget* parent = nullptr);

    DesignedScreen* ScreenArea; // between the title bar and the status bar

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void connectMenu(const ProgramScreens& screens, const ProgramWindow& window);

    std::filesystem::path quizFolder_;
};

// Shows the introduction until the learner closes it.
void ShowIntroduction(Platform& platform, const std::filesystem::path& quizFolder,
                      const ProgramScreens& screens, const ProgramWindow& window,
                      const std::vector<std::string>& lines, QWidget* parent = nullptr);

} // namespace tavrin
