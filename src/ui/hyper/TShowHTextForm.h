#pragma once

#include <string>
#include <vector>

#include "core/settings/ViewPortDesign.h"
#include "platform/PlatformDialog.h"

class QFrame;
class QPushButton;
class QTextEdit;

namespace tavrin {

class RichTextPanel;

// Formatted text in a window placed at the view port of the design area,
// where the author placed its mock window.
class TShowHTextForm : public PlatformDialog {
    Q_OBJECT

public:
    TShowHTextForm(Platform& platform, const ViewPortDesign& design,
                   const std::vector<std::string>& lines, const QString& caption,
                   QWidget* parent = nullptr);

    RichTextPanel* Panel1;
    QTextEdit* RichEdit1;
    QFrame* Panel2;
    QPushButton* BitBtn1;

    void FormActivate();

protected:
    void showEvent(QShowEvent* event) override;

private:
    ViewPortDesign design_;
};

} // namespace tavrin
