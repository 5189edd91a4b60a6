#pragma once

#include <QWidget>
#include <filesystem>

#include "core/settings/ProgramWindow.h"

class QLabel;

namespace tavrin {

class Platform;
class TwiaTile;

// The full-screen background behind every window of a run: a plain colour,
// a picture stretched over the screen, or a bitmap tiled as wallpaper, drawn
// by the one background display the designers use. It takes no input.
class TTutBackForm : public QWidget {
    Q_OBJECT

public:
    TTutBackForm(Platform& platform, const ProgramWindow& window, std::filesystem::path quizFolder,
                 QWidget* parent = nullptr);

    QWidget* Panel1;
    TwiaTile* TwiaTile1; // the tiled wallpaper
    QLabel* Image1;      // the stretched picture

    // Follows the background fields; reports missing or unsuitable files.
    void FormActivate();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    Platform& platform_;
    ProgramWindow window_;
    std::filesystem::path quizFolder_;
};

} // namespace tavrin
