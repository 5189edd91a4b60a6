#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/settings/ViewPortDesign.h"
#include "platform/PlatformDialog.h"

namespace tavrin {

class DesignedScreen;
class RichTextPanel;

// A 640 x 480 screen: formatted text in its text panel over the background
// the design names (colour, stretched picture or tiled wallpaper).
class TTxtVPDispForm : public PlatformDialog {
    Q_OBJECT

public:
    TTxtVPDispForm(Platform& platform, const ViewPortDesign& design,
                   const std::vector<std::string>& lines, const QString& caption,
                   const std::filesystem::path& quizFolder, QWidget* parent = nullptr);

    DesignedScreen* Panel1; // the screen: background and text panel
    RichTextPanel* Panel2;  // the text panel

    void FormActivate();

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::vector<std::string> lines_;
    bool activated_ = false;
};

} // namespace tavrin
