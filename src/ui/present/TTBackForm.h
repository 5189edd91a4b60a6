#pragma once

#include <QString>
#include <filesystem>

#include "platform/PlatformDialog.h"
#include "ui/present/ShowBackground.h"

class QLabel;

namespace tavrin {

class TwiaTile;

// A background shown alone over the whole screen, as the learner will see it
// behind the quiz. Any mouse click, Enter or Esc closes it.
class TTBackForm : public PlatformDialog {
    Q_OBJECT
public:
    TTBackForm(Platform& platform, const QString& caption, QWidget* parent = nullptr);

    // False, after telling the author why, when there is nothing to show.
    bool ShowDesign(const std::filesystem::path& quizFolder, const BackgroundDesign& design);

    QLabel* Image1;
    TwiaTile* wiaTile1;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// Shows the background full screen, captioned with the program title.
void ViewBackground(Platform& platform, const std::filesystem::path& quizFolder,
                    const BackgroundDesign& design, const QString& caption,
                    QWidget* parent = nullptr);

} // namespace tavrin
