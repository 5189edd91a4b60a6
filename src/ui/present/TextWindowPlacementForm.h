#pragma once

#include <QRect>
#include <filesystem>
#include <string>

#include "ui/present/PlacementDialog.h"

class QTextEdit;

namespace tavrin {

class DesignedScreen;
class RichTextPanel;

// A 640 x 480 screen as the learner will see it, on which the author drags
// and sizes the text window with the stretch handle. The text window's
// rectangle within the screen area is the view port itself, so saving
// without a move keeps the stored view port. Every ending but
// "&Save and Quit" asks whether to save.
class TextWindowPlacementForm : public PlacementDialog {
    Q_OBJECT
public:
    DesignedScreen* ScreenArea; // below the title bar, above the status bar
    RichTextPanel* TextPanel;
    QTextEdit* RichEdit1;

protected:
    TextWindowPlacementForm(Platform& platform, std::filesystem::path quizFolder,
                            const ViewPortDesign& design, const std::string& rtf, QWidget* parent);

    // Draws the background over `area` and puts the text window on it, over
    // the whole area or at the view port. Called once the bars are in place.
    void showScreen(const QRect& area, bool fillArea);

private:
    std::filesystem::path quizFolder_;
};

} // namespace tavrin
