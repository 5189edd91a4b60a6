#pragma once

#include <QRect>
#include <filesystem>
#include <string>

#include "core/settings/ViewPortDesign.h"
#include "platform/PlatformDialog.h"

class QFrame;
class QLabel;
class QMenu;
class QTextEdit;

namespace tavrin {

class TStretchHandle;
class TwiaTile;

// A 640 x 480 screen as the learner will see it, on which the author drags
// and sizes the text window with the stretch handle. The text window's
// rectangle within the screen area is the view port itself, so saving
// without a move keeps the stored view port. The right mouse button opens
// the menu; every ending but "&Save and Quit" asks whether to save.
class TextWindowPlacementForm : public PlatformDialog {
    Q_OBJECT
public:
    const ViewPortDesign& design() const { return design_; }

    QWidget* ScreenArea; // below the title bar, above the status bar
    QLabel* Image1;
    TwiaTile* wiaTile1;
    QFrame* TextPanel;
    QTextEdit* RichEdit1;
    QMenu* PopupMenu1;
    TStretchHandle* StretchHandle1;

    void AttachHandle();
    void SaveAndQuitClick();
    void QuitClick();

protected:
    TextWindowPlacementForm(Platform& platform, std::filesystem::path quizFolder,
                            const ViewPortDesign& design, const std::string& rtf, QWidget* parent);

    // Draws the background over `area` and puts the text window on it, over
    // the whole area or at the view port. Called once the bars are in place.
    void showScreen(const QRect& area, bool fillArea);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void done(int result) override;

private:
    void openMenu(const QPoint& globalPos);
    void storeTextWindow();

    std::filesystem::path quizFolder_;
    ViewPortDesign design_;
    QRect shownAt_;
    bool ending_ = false;
};

// Runs a placement screen; true, with `design` taken from it, when saved.
bool RunPlacement(Platform& platform, TextWindowPlacementForm& form, ViewPortDesign& design);

} // namespace tavrin
