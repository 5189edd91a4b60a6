#pragma once

#include <string>
#include <vector>

#include "core/settings/ViewPortDesign.h"
#include "platform/PlatformDialog.h"

class QFrame;
class QMenu;
class QPushButton;
class QTextEdit;

namespace tavrin {

class TStretchHandle;

// The placement screen of a text window: a 640 x 480 mock-up of the design
// area on which the author drags and sizes the mock text window.
class THypTextAdjForm : public PlatformDialog {
    Q_OBJECT
public:
    THypTextAdjForm(Platform& platform, const ViewPortDesign& design, const std::string& rtf,
                    QWidget* parent = nullptr);

    const ViewPortDesign& design() const { return design_; }

    QFrame* Panel1;
    QFrame* TitleStrip;
    QTextEdit* RichEdit1;
    QPushButton* CloseBtn;
    QMenu* PopupMenu1;
    TStretchHandle* StretchHandle1;

    void AttachHandle();
    void SaveAndQuitClick();
    void QuitClick();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    ViewPortDesign design_;
    bool decided_ = false;
};

// Lets the author place the text window of a design; true, with the view
// port changed, when the placement was saved.
bool AdjustTextWindow(Platform& platform, ViewPortDesign& design, const std::string& rtf,
                      QWidget* parent = nullptr);

} // namespace tavrin
