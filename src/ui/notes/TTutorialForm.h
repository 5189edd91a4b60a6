#pragma once

#include "platform/PlatformDialog.h"

class QAction;
class QMenu;
class QMenuBar;
class QTextEdit;

namespace tavrin {

class TFindDialog;

// The read-only viewer of the program's tutorial document, with search and printing.
class TTutorialForm : public PlatformDialog {
    Q_OBJECT
public:
    TTutorialForm(Platform& platform, const QString& title, QWidget* parent = nullptr);

    // Loads the document as rich text; a damaged one shows what could be
    // read. False, after the error box, when the file cannot be read at all.
    bool LoadDocument(const QString& file);

    QMenuBar* MainMenu1;
    QAction* Quit1;
    QAction* Find1;
    QMenu* Print1;
    QAction* Print2;
    QAction* PrinterSetup1;
    QTextEdit* RichEdit1;
    TFindDialog* FindDialog1;

    void Find1Click();
    void FindDialog1Find();
    void Print2Click();

private:
    QString title_;
};

// Opens the tutorial viewer modally on the file and returns when it is closed.
void ShowTutorial(Platform& platform, const QString& file, QWidget* parent = nullptr);

} // namespace tavrin
