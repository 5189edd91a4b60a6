#include <QDialog>
#include <QLabel>

#include "core/settings/AboutBoxDesign.h"
#include "core/settings/IntroScreenDesign.h"
#include "core/settings/ProgramScreens.h"
#include "core/settings/ProgramWindow.h"
#include "support/GuiTestSupport.h"
#include "support/PlainTextCheck.h"
#include "ui/present/TAboutBox.h"
#include "ui/present/TIntDispForm.h"

namespace tavrin::test {
namespace {

class PresentationTextShownPlainTest : public GuiTest {};

TEST_F(PresentationTextShownPlainTest, AboutBoxAndIntroductionBarsShowTheAuthorsTextsAsTyped) {
    for (const QString& shown : MarkupLookingTexts()) {
        SCOPED_TRACE(shown.toStdString());
        const std::string text = shown.toStdString();
        AboutBoxDesign about;
        about.setProgramName(text);
        about.setVersionLine(text);
        about.setAuthorLine(text);
        about.setCommentLine(1, text);
        const TAboutBox box(platform, about, {});
        ExpectLabelsShowLiterally(box, shown);

        ProgramScreens screens;
        InitButtonTexts(screens);
        IntroScreenDesign intro = DefaultIntroScreenDesign();
        intro.setUseTitleBar(true);
        intro.setUseStatusBar(true);
        intro.setTitleBarText(text);
        intro.setStatusBarText(text);
        screens.setIntroScreen(intro);
        platform.onDialog("TIntDispForm", [&](QDialog& screen) {
            ExpectLabelsShowLiterally(screen, shown);
            screen.reject();
        });
        ShowIntroduction(platform, {}, screens, ProgramWindow(), {"{\\rtf1\\ansi Welcome", "}"});
    }
}

// A blank comment line makes a paragraph break between the lines around it.
TEST_F(PresentationTextShownPlainTest, AboutCommentsShowWithTheirParagraphBreaks) {
    AboutBoxDesign about;
    about.setCommentLine(1, "A");
    about.setCommentLine(3, "B");
    const TAboutBox box(platform, about, {});
    EXPECT_EQ(findChild<QLabel>(box, "Comments")->text(), "A \n\nB \n\n");
}

} // namespace
} // namespace tavrin::test
