#pragma once

#include <QFrame>
#include <filesystem>

#include "core/settings/ViewPortDesign.h"
#include "ui/present/RichTextPanel.h"

class QLabel;

namespace tavrin {

class Platform;
class TwiaTile;

// The area of a designed screen: the background a view-port design names
// (colour, stretched picture or tiled wallpaper) with the text window over
// it, filling the area or at the view port.
class DesignedScreen : public QFrame {
    Q_OBJECT
public:
    DesignedScreen(const ViewPortDesign& design, RichTextPanel::Bevel textBevel, QWidget* parent);

    QLabel* Image1;
    TwiaTile* wiaTile1;
    RichTextPanel* TextPanel;

    // Draws the background (missing files are reported) and puts the text
    // window in place, over the other parts.
    void ShowDesign(Platform& platform, const std::filesystem::path& quizFolder, bool fillArea);

private:
    ViewPortDesign design_;
};

} // namespace tavrin
