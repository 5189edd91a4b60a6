#pragma once

#include "core/settings/FontSpec.h"
#include "platform/PlatformDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavrin {

class QuizSettings;

// The title bar above the questions: its text, and a sample that carries
// the bar's colour and font.
class TQuizTitleBarForm : public PlatformDialog {
    Q_OBJECT
public:
    TQuizTitleBarForm(Platform& platform, const QuizSettings& settings, QWidget* parent = nullptr);

    QLineEdit* Edit1;
    QLabel* Panel1;
    QPushButton* ColorBtn;
    QPushButton* FontBtn;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    void ColorBtnClick();
    void FontBtnClick();
    // The title, colour and font as the dialog shows them.
    void StoreInto(QuizSettings& settings) const;

private:
    void ShowFont(const FontSpec& font);
    FontSpec PanelFont() const;
};

// True, with the settings changed, when the author pressed "&OK".
bool DesignTitleBar(Platform& platform, QuizSettings& settings, QWidget* parent = nullptr);

} // namespace tavrin
