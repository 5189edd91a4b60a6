#pragma once

#include <string>

#include "ui/present/PlacementDialog.h"

class QFrame;
class QPushButton;

namespace tavrin {

class RichTextPanel;

// The placement screen of a formatted-text window: the 640 x 480 design
// area, on which the author drags and sizes a mock of the window. Esc and
// "&Quit" end without saving; closing the window asks.
class THypTextAdjForm : public PlacementDialog {
    Q_OBJECT
public:
    THypTextAdjForm(Platform& platform, const ViewPortDesign& design, const std::string& rtf,
                    QWidget* parent = nullptr);

    QFrame* Panel1; // the mock window
    QFrame* TitleStrip;
    RichTextPanel* TextArea; // the text, as the window will show it
    QPushButton* CloseBtn;

protected:
    void storeTextWindow(const QRect& placed, ViewPortDesign& design) const override;
};

// Lets the author place the text window of a design; true, with the view
// port changed, when the placement was saved.
bool AdjustTextWindow(Platform& platform, ViewPortDesign& design, const std::string& rtf,
                      QWidget* parent = nullptr);

} // namespace tavrin
