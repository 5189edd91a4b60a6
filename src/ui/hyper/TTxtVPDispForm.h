#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/settings/ViewPortDesign.h"
#include "platform/PlatformDialog.h"

class QFrame;
class QLabel;
class QTextEdit;

namespace tavrin {

class TwiaTile;

// A 640 x 480 screen: formatted text in its text panel over the background
// the design names (colour, stretched picture or tiled wallpaper).
class TTxtVPDispForm : public PlatformDialog {
    Q_OBJECT

public:
    TTxtVPDispForm(Platform& platform, const ViewPortDesign& design,
                   const std::vector<std::string>& lines, const QString& caption,
                   const std::filesystem::path& quizFolder, QWidget* parent = nullptr);

    QFrame* Panel1; // the screen
    TwiaTile* wiaTile1;
    QLabel* Image1;
    QFrame* Panel2; // the text panel
    QTextEdit* RichEdit1;

    void FormActivate();

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    ViewPortDesign design_;
    std::vector<std::string> lines_;
    bool activated_ = false;
};

} // namespace tavrin
