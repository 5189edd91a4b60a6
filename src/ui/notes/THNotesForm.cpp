#include "ui/notes/THNotesForm.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>

#include "core/bytes/FileError.h"
#include "ui/notes/NotesHelp.h"
#include "ui/notes/TFindDialog.h"

namespace tavrin {
namespace {

const QString kCaption = QStringLiteral("Current File : ");
const QString kUntitled = QStringLiteral("Untitled");

std::filesystem::path PathOf(const QString& file) {
    return std::filesystem::path(file.toStdU16String());
}

FileDialogRequest TextFileRequest(const QString& caption, const QString& file) {
    FileDialogRequest request;
    request.caption = caption;
    request.filter = QStringLiteral("Text Files|*.TXT|All Files|*.*");
    request.defaultExtension = QStringLiteral("TXT");
    request.fileName = file;
    request.helpContext = kNotesHelpContext;
    return request;
}

} // namespace

THNotesForm::THNotesForm(Platform& platform, QWidget* parent)
    : PlatformDialog(platform, kNotesHelpContext, parent), MainMenu1(new QMenuBar(this)),
      File1(MainMenu1->addMenu(tr("&File"))), Edit1(MainMenu1->addMenu(tr("&Edit"))),
      Memo1(new QPlainTextEdit(this)),
      FindDialog1(new TFindDialog(platform, TFindDialog::Kind::Find, kNotesFindHelpContext, this)),
      ReplaceDialog1(
          new TFindDialog(platform, TFindDialog::Kind::Replace, kNotesReplaceHelpContext, this)) {
    setObjectName(QStringLiteral("THNotesForm"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(600, 420);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    File1->setObjectName(QStringLiteral("File1"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    buildMenus();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(MainMenu1);
    layout->addWidget(Memo1);

    connect(FindDialog1, &TFindDialog::findNext, this, &THNotesForm::FindDialog1Find);
    connect(ReplaceDialog1, &TFindDialog::findNext, this,
            [this] { FindNext(ReplaceDialog1->findText()); });
    connect(ReplaceDialog1, &TFindDialog::replace, this, [this] { ReplaceDialog1Replace(false); });
    connect(ReplaceDialog1, &TFindDialog::replaceAll, this,
            [this] { ReplaceDialog1Replace(true); });
    // Shortcuts work while the menu is closed, so the items follow the
    // selection and the clipboard, not only the menu's opening.
    connect(Memo1, &QPlainTextEdit::selectionChanged, this, &THNotesForm::Edit1Popup);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &THNotesForm::Edit1Popup);
    connect(Edit1, &QMenu::aboutToShow, this, &THNotesForm::Edit1Popup);
    setCaptionName(kUntitled);
    Edit1Popup();
}

QAction* THNotesForm::addItem(QMenu* menu, const char* name, const QString& caption,
                              const QKeySequence& shortcut) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    item->setShortcut(shortcut);
    return item;
}

void THNotesForm::buildMenus() {
    New1 = addItem(File1, "New1", tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    Open1 = addItem(File1, "Open1", tr("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O));
    Save1 = addItem(File1, "Save1", tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    SaveAs1 = addItem(File1, "SaveAs1", tr("Save &As..."));
    File1->addSeparator();
    Print1 = addItem(File1, "Print1", tr("&Print"), QKeySequence(Qt::CTRL | Qt::Key_P));
    PrintSetup1 = addItem(File1, "PrintSetup1", tr("Prin&t Setup..."));
    File1->addSeparator();
    Exit1 = addItem(File1, "Exit1", tr("E&xit"));
    Cut1 = addItem(Edit1, "Cut1", tr("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X));
    Copy1 = addItem(Edit1, "Copy1", tr("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    Paste1 = addItem(Edit1, "Paste1", tr("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));
    Edit1->addSeparator();
    Find1 = addItem(Edit1, "Find1", tr("&Find..."));
    Replace1 = addItem(Edit1, "Replace1", tr("R&eplace..."));

    connect(New1, &QAction::triggered, this, &THNotesForm::New1Click);
    connect(Open1, &QAction::triggered, this, &THNotesForm::Open1Click);
    connect(Save1, &QAction::triggered, this, &THNotesForm::Save1Click);
    connect(SaveAs1, &QAction::triggered, this, &THNotesForm::SaveAs1Click);
    connect(Print1, &QAction::triggered, this, &THNotesForm::Print1Click);
    connect(PrintSetup1, &QAction::triggered, this, [this] { platform().PrinterSetup(); });
    connect(Exit1, &QAction::triggered, this, &QDialog::reject);
    connect(Cut1, &QAction::triggered, Memo1, &QPlainTextEdit::cut);
    connect(Copy1, &QAction::triggered, Memo1, &QPlainTextEdit::copy);
    connect(Paste1, &QAction::triggered, Memo1, &QPlainTextEdit::paste);
    connect(Find1, &QAction::triggered, FindDialog1, &TFindDialog::Execute);
    connect(Replace1, &QAction::triggered, ReplaceDialog1, &TFindDialog::Execute);
}

bool THNotesForm::OpenOnFile(const QString& file) {
    std::error_code error;
    if (!file.isEmpty() && std::filesystem::exists(PathOf(file), error) && !LoadFile(file))
        return false;
    currentFile_ = file;
    setWindowTitle(kCaption + (file.isEmpty() ? kUntitled : file));
    return true;
}

void THNotesForm::setCaptionName(const QString& name) {
    setWindowTitle(kCaption + name);
}

bool THNotesForm::LoadFile(const QString& file) {
    NotesText text;
    try {
        text = ReadNotesFile(PathOf(file));
    } catch (const FileError& error) {
        platform().ShowError(QString::fromStdString(error.what()));
        return false;
    }
    QStringList shown;
    shown.reserve(static_cast<qsizetype>(text.lines.size()));
    for (const std::string& line : text.lines)
        shown.append(QString::fromStdString(line));
    Memo1->setPlainText(shown.join(QLatin1Char('\n')));
    encoding_ = text.encoding;
    return true;
}

// One line per block, taken raw so that no-break spaces survive.
std::vector<std::string> THNotesForm::lines() const {
    std::vector<std::string> result;
    const QTextDocument* document = Memo1->document();
    if (document->isEmpty())
        return result;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        result.push_back(block.text().toStdString());
    return result;
}

bool THNotesForm::WriteFile(const QString& file) {
    try {
        WriteNotesFile(PathOf(file), lines(), encoding_);
    } catch (const FileError& error) {
        platform().ShowError(QString::fromStdString(error.what()));
        return false;
    }
    Memo1->document()->setModified(false);
    return true;
}

bool THNotesForm::SaveCheck() {
    if (!Memo1->document()->isModified())
        return true;
    const QString name = currentFile_.isEmpty() ? kUntitled : QFileInfo(currentFile_).fileName();
    switch (platform().AskYesNoCancel(QStringLiteral("File %1 has changed. Save Now?").arg(name))) {
    case YesNoCancel::Yes:
        return Save1Click();
    case YesNoCancel::No:
        return true;
    case YesNoCancel::Cancel:
        break;
    }
    return false;
}

void THNotesForm::New1Click() {
    if (!SaveCheck())
        return;
    Memo1->clear();
    Memo1->document()->setModified(false);
    currentFile_.clear();
    encoding_ = NotesEncoding::Windows1252;
    setCaptionName(kUntitled);
}

void THNotesForm::Open1Click() {
    if (!SaveCheck())
        return;
    FileDialogRequest request = TextFileRequest(tr("Open Text File"), QString());
    request.mustExist = true;
    const std::optional<QString> chosen = platform().GetOpenFileName(request);
    if (!chosen || chosen->isEmpty() || !LoadFile(*chosen))
        return;
    currentFile_ = *chosen;
    setCaptionName(QFileInfo(*chosen).fileName());
}

bool THNotesForm::Save1Click() {
    if (currentFile_.isEmpty())
        return SaveAs1Click();
    return WriteFile(currentFile_);
}

bool THNotesForm::SaveAs1Click() {
    const std::optional<QString> chosen =
        platform().GetSaveFileName(TextFileRequest(tr("Save Text File"), currentFile_));
    if (!chosen || chosen->isEmpty() || !WriteFile(*chosen))
        return false;
    currentFile_ = *chosen;
    setCaptionName(QFileInfo(*chosen).fileName());
    return true;
}

// Printed as the text box shows it: its font, one printed line per line.
void THNotesForm::Print1Click() {
    QTextDocument printed;
    printed.setDefaultFont(Memo1->font());
    printed.setPlainText(Memo1->toPlainText());
    const PrintResult result =
        platform().PrintDocument(printed, currentFile_.isEmpty() ? kUntitled : currentFile_);
    if (result.status == PrintStatus::Failed)
        platform().ShowError(QStringLiteral("The notes could not be printed: ") + result.reason);
}

void THNotesForm::Edit1Popup() {
    const bool selected = Memo1->textCursor().hasSelection();
    Cut1->setEnabled(selected);
    Copy1->setEnabled(selected);
    const QMimeData* clipboard = QApplication::clipboard()->mimeData();
    Paste1->setEnabled(clipboard && clipboard->hasText());
}

// Searches after the selection with letters compared exactly; selects the
// text found, or beeps and leaves the selection.
bool THNotesForm::FindNext(const QString& text) {
    const QTextCursor found =
        Memo1->document()->find(text, Memo1->textCursor(), QTextDocument::FindCaseSensitively);
    Memo1->setFocus();
    if (found.isNull()) {
        platform().Beep();
        return false;
    }
    Memo1->setTextCursor(found);
    return true;
}

void THNotesForm::FindDialog1Find() {
    FindNext(FindDialog1->findText());
}

// Each search starts after the text just inserted, so a replacement that
// holds the find text cannot make Replace All run forever. A selection that
// is not the find text is never replaced, even when the search fails.
void THNotesForm::ReplaceDialog1Replace(bool all) {
    const QString findText = ReplaceDialog1->findText();
    const QString replacement = ReplaceDialog1->replaceText();
    do {
        if (Memo1->textCursor().selectedText() != findText && !FindNext(findText))
            return;
        QTextCursor cursor = Memo1->textCursor();
        cursor.insertText(replacement);
        Memo1->setTextCursor(cursor);
    } while (all);
}

void THNotesForm::done(int result) {
    if (!SaveCheck())
        return;
    PlatformDialog::done(result);
}

void ShowNotes(Platform& platform, const QString& file, QWidget* parent) {
    THNotesForm form(platform, parent);
    if (form.OpenOnFile(file))
        platform.RunModal(form);
}

} // namespace tavrin
