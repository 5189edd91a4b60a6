#pragma once

#include <string>
#include <vector>

#include "core/settings/ViewPortDesign.h"
#include "platform/PlatformDialog.h"

class QFrame;
class QPushButton;
class QTextEdit;

namespace tavrin {

// Formatted text in a window placed at the view port of the design area.
class TShowHTextForm : public PlatformDialog {
    Q_OBJECT

public:
    // `origin` is where the 640 x 480 design area lies on the screen.
    TShowHTextForm(Platform& platform, const ViewPortDesign& design,
                   const std::vector<std::string>& lines, const QString& caption, QPoint origin,
                   QWidget* parent = nullptr);

    QFrame* Panel1;
    QTextEdit* RichEdit1;
    QFrame* Panel2;
    QPushButton* BitBtn1;

    void FormActivate();

protected:
    void showEvent(QShowEvent* event) override;

private:
    ViewPortDesign design_;
    QPoint origin_;
};

// Loads the lines of rich-text source (joined with CR LF) into the editor;
// anything after the end of the source is ignored.
void LoadTopicText(QTextEdit& editor, const std::vector<std::string>& lines);

} // namespace tavrin
