#pragma once

#include <QWidget>
#include <filesystem>

#include "core/settings/ProgramWindow.h"

class QLabel;

namespace tavrin {

class Platform;

// The full-screen background behind every window of a run: a plain colour,
// a picture stretched over the screen, or a bitmap tiled as wallpaper. It
// takes no input.
class TTutBackForm : public QWidget {
    Q_OBJECT

public:
    TTutBackForm(Platform& platform, const ProgramWindow& window, std::filesystem::path quizFolder,
                 QWidget* parent = nullptr);

    QWidget* Panel1;
    QWidget* TwiaTile1; // the tiled wallpaper
    QLabel* Image1;     // the stretched picture

    // Follows the background fields; reports missing or unsuitable files.
    void FormActivate();

private:
    void ShowPicture(const std::string& name);
    void ShowWallpaper(const std::string& name);

    Platform& platform_;
    ProgramWindow window_;
    std::filesystem::path quizFolder_;
};

} // namespace tavrin
