#pragma once

#include "core/files/NotesFile.h"
#include "platform/PlatformDialog.h"

class QAction;
class QMenu;
class QMenuBar;
class QPlainTextEdit;

namespace tavrin {

class TFindDialog;

// A small plain-text editor for notes files: the viewer of a score group's
// notes feedback and of the notes-file picker's "View".
class THNotesForm : public PlatformDialog {
    Q_OBJECT
public:
    explicit THNotesForm(Platform& platform, QWidget* parent = nullptr);

    // Shows the file: its lines when it exists, an empty text otherwise. The
    // caption names it as given. False, after the error box, when the file
    // exists but cannot be read as notes.
    bool OpenOnFile(const QString& file);

    const QString& currentFile() const { return currentFile_; }

    QMenuBar* MainMenu1;
    QMenu* File1;
    QMenu* Edit1;
    QAction* New1;
    QAction* Open1;
    QAction* Save1;
    QAction* SaveAs1;
    QAction* Print1;
    QAction* PrintSetup1;
    QAction* Exit1;
    QAction* Cut1;
    QAction* Copy1;
    QAction* Paste1;
    QAction* Find1;
    QAction* Replace1;
    QPlainTextEdit* Memo1;
    TFindDialog* FindDialog1;
    TFindDialog* ReplaceDialog1;

    void New1Click();
    void Open1Click();
    bool Save1Click();
    bool SaveAs1Click();
    void Print1Click();
    void Edit1Popup();
    void FindDialog1Find();
    void ReplaceDialog1Replace(bool all);

    // Closing asks the save question first; Cancel keeps the window open.
    void done(int result) override;

private:
    QAction* addItem(QMenu* menu, const char* name, const QString& caption,
                     const QKeySequence& shortcut = {});
    void buildMenus();
    // The save question before the text is replaced or the window closes;
    // false when the author cancels or the text could not be saved.
    bool SaveCheck();
    bool LoadFile(const QString& file);
    bool WriteFile(const QString& file);
    bool FindNext(const QString& text);
    std::vector<std::string> lines() const;
    void setCaptionName(const QString& name);

    QString currentFile_;
    NotesEncoding encoding_ = NotesEncoding::Windows1252;
};

// Opens the notes editor modally on the file and returns when it is closed.
void ShowNotes(Platform& platform, const QString& file, QWidget* parent = nullptr);

} // namespace tavrin
