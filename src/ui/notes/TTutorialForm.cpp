#include "ui/notes/TTutorialForm.h"

#include <QMenuBar>
#include <QTextEdit>
#include <QVBoxLayout>

#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"
#include "platform/RichTextConverter.h"
#include "ui/notes/NotesHelp.h"
#include "ui/notes/TFindDialog.h"

namespace tavrin {
namespace {

// A longer selection is no search text but a passage being read.
constexpr int kMaxSeedLength = 29;

} // namespace

TTutorialForm::TTutorialForm(Platform& platform, const QString& title, QWidget* parent)
    : PlatformDialog(platform, kTutorialHelpContext, parent), MainMenu1(new QMenuBar(this)),
      Quit1(MainMenu1->addAction(tr("&Quit"))), Find1(MainMenu1->addAction(tr("&Find"))),
      Print1(MainMenu1->addMenu(tr("&Print"))), Print2(Print1->addAction(tr("&Print"))),
      PrinterSetup1(Print1->addAction(tr("Printer &Setup"))), RichEdit1(new QTextEdit(this)),
      FindDialog1(
          new TFindDialog(platform, TFindDialog::Kind::Find, kTutorialFindHelpContext, this)),
      title_(title) {
    setObjectName(QStringLiteral("TTutorialForm"));
    setWindowTitle(title);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(720, 520);
    const std::pair<QObject*, const char*> names[] = {
        {MainMenu1, "MainMenu1"}, {Quit1, "Quit1"},   {Find1, "Find1"},
        {Print1, "Print1"},       {Print2, "Print2"}, {PrinterSetup1, "PrinterSetup1"},
        {RichEdit1, "RichEdit1"}};
    for (auto [object, name] : names)
        object->setObjectName(QString::fromLatin1(name));
    RichEdit1->setReadOnly(true);
    RichEdit1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(MainMenu1);
    layout->addWidget(RichEdit1);

    connect(Quit1, &QAction::triggered, this, &QDialog::reject);
    connect(Find1, &QAction::triggered, this, &TTutorialForm::Find1Click);
    connect(Print2, &QAction::triggered, this, &TTutorialForm::Print2Click);
    connect(PrinterSetup1, &QAction::triggered, this, [&platform] { platform.PrinterSetup(); });
    connect(FindDialog1, &TFindDialog::findNext, this, &TTutorialForm::FindDialog1Find);
}

bool TTutorialForm::LoadDocument(const QString& file) {
    std::string source;
    try {
        source = ReadFileText(std::filesystem::path(file.toStdU16String()));
    } catch (const FileError& error) {
        platform().ShowError(QString::fromStdString(error.what()));
        return false;
    }
    LoadRtf(*RichEdit1->document(), source);
    RichEdit1->moveCursor(QTextCursor::Start);
    return true;
}

void TTutorialForm::Find1Click() {
    const QString selected = RichEdit1->textCursor().selectedText();
    if (!selected.isEmpty() && selected.size() <= kMaxSeedLength)
        FindDialog1->setFindText(selected);
    FindDialog1->Execute();
}

// Letters compare without regard to case; the search runs from the end of
// the selection to the end of the document.
void TTutorialForm::FindDialog1Find() {
    const QTextCursor found =
        RichEdit1->document()->find(FindDialog1->findText(), RichEdit1->textCursor());
    if (found.isNull()) {
        platform().Beep();
        return;
    }
    RichEdit1->setTextCursor(found);
}

void TTutorialForm::Print2Click() {
    const PrintResult result = platform().PrintDocument(*RichEdit1->document(), title_);
    if (result.status == PrintStatus::Failed)
        platform().ShowError(QStringLiteral("The tutorial could not be printed: ") + result.reason);
}

void ShowTutorial(Platform& platform, const QString& file, QWidget* parent) {
    TTutorialForm form(platform, file, parent);
    if (form.LoadDocument(file))
        platform.RunModal(form);
}

} // namespace tavrin
