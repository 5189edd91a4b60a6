#pragma once

#include <QRect>
#include <QString>
#include <initializer_list>

#include "core/settings/ViewPortDesign.h"
#include "platform/PlatformDialog.h"

class QMenu;

namespace tavrin {

class TStretchHandle;

// What the text-window placement screens share: a press of the left button
// attaches the stretch handle to the text window, the right button opens
// the menu ("Help", "&Save and Quit", "&Quit") wherever it is pressed, and
// an ending other than "&Save and Quit" may ask "Save changes?".
class PlacementDialog : public PlatformDialog {
    Q_OBJECT
public:
    struct Endings {
        QString helpCaption;
        bool quitAndEscapeAsk = true; // otherwise only closing the window asks
    };

    const ViewPortDesign& design() const { return design_; }

    QMenu* PopupMenu1;
    TStretchHandle* StretchHandle1;

    void AttachHandle();
    void SaveAndQuitClick();
    void QuitClick();

protected:
    PlacementDialog(Platform& platform, const ViewPortDesign& design, Endings endings,
                    QWidget* parent);

    // The window the handle moves, where it is shown, and the widgets on
    // which a press picks it up.
    void placeTextWindow(QWidget* window, const QRect& at,
                         std::initializer_list<QWidget*> pressedOn);
    // Writes the placed window's rectangle into the view port.
    virtual void storeTextWindow(const QRect& placed, ViewPortDesign& design) const;

    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    void storePlacement();

    ViewPortDesign design_;
    Endings endings_;
    QWidget* textWindow_ = nullptr;
    QRect shownAt_;
    bool ending_ = false;
};

// Runs a placement screen; true, with `design` taken from it, when saved.
bool RunPlacement(Platform& platform, PlacementDialog& form, ViewPortDesign& design);

} // namespace tavrin
