#pragma once

#include "core/settings/FontSpec.h"
#include "core/settings/IntroScreenDesign.h"
#include "platform/PlatformDialog.h"

class QLineEdit;
class QPushButton;

namespace tavrin {

// The text, font and colour of the introduction's title bar or status bar,
// shown in the edit as the bar will show them.
class TVPDesignTitleForm : public PlatformDialog {
    Q_OBJECT
public:
    enum class Bar { Title, Status };

    TVPDesignTitleForm(Platform& platform, const IntroScreenDesign& design, Bar bar,
                       QWidget* parent = nullptr);

    // The design with the edit's text, font and colour in the bar's fields.
    IntroScreenDesign design() const;

    QLineEdit* Edit1;
    QPushButton* FontBtn;
    QPushButton* ColourBtn;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    void FontBtnClick();
    void ColourBtnClick();

private:
    void showLook();

    IntroScreenDesign design_;
    Bar bar_;
    FontSpec font_;
    std::uint32_t colour_;
};

// Runs the bar designer on `design`; true, with it changed, on "&OK".
bool DesignIntroductionBar(Platform& platform, IntroScreenDesign& design,
                           TVPDesignTitleForm::Bar bar, QWidget* parent = nullptr);

} // namespace tavrin
