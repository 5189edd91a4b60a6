#include "ui/present/program/TIntroEntryForm.h"

#include <QTextEdit>

#include "platform/RichTextConverter.h"
#include "platform/StepAside.h"
#include "ui/present/TIntDispForm.h"
#include "ui/present/program/TIntroDesignForm.h"

namespace tavrin {

TIntroEntryForm::TIntroEntryForm(Platform& platform, std::filesystem::path quizFolder,
                                 const ProgramScreens& screens, const ProgramWindow& window,
                                 const std::vector<std::string>& lines, QWidget* parent)
    : THypEntryForm(platform, std::move(quizFolder), screens.introScreen().textWindow(), lines, 450,
                    tr("&Design Introduction Screen"), parent),
      screens_(screens), window_(window) {
    setObjectName(QStringLiteral("TIntroEntryForm"));
}

FileDialogRequest TIntroEntryForm::importRequest() const {
    FileDialogRequest request = THypEntryForm::importRequest();
    request.caption = tr("Select a Text or RTF File");
    request.filter = QStringLiteral("RTF and Text Files|*.TXT;*.RTF");
    request.helpContext = 0;
    return request;
}

ProgramScreens TIntroEntryForm::screens() const {
    ProgramScreens screens = screens_;
    IntroScreenDesign intro = screens.introScreen();
    ViewPortDesign textWindow = intro.textWindow();
    textWindow.setVpBack(design().vpBack());
    intro.setTextWindow(textWindow);
    screens.setIntroScreen(intro);
    return screens;
}

void TIntroEntryForm::AdjustBtnClick() {
    const StepAside aside(platform(), *this);
    screens_ = screens();
    DesignIntroductionScreen(platform(), quizFolder(), screens_, window_,
                             SaveRtf(*RichEdit1->document()), this);
    // The designers may place or recolour the text window; the editor follows.
    editedDesign() = screens_.introScreen().textWindow();
}

void TIntroEntryForm::ViewBtnClick() {
    const StepAside aside(platform(), *this);
    ShowIntroduction(platform(), quizFolder(), screens(), window_, textLines(), this);
}

bool EditIntroduction(Platform& platform, const std::filesystem::path& quizFolder,
                      ProgramScreens& screens, ProgramWindow& window,
                      std::vector<std::string>& lines, QWidget* parent) {
    TIntroEntryForm form(platform, quizFolder, screens, window, lines, parent);
    if (platform.RunModal(form) != QDialog::Accepted)
        return false;
    lines = form.isEmpty() ? std::vector<std::string>() : form.textLines();
    screens = form.screens();
    window = form.window();
    return true;
}

} // namespace tavrin
