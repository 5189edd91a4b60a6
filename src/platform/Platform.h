#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "core/settings/FontSpec.h"

class QDialog;
class QWidget;
class QTextDocument;

namespace tavrin {

// Options of an open-file or save-file dialog. `filter` uses the quiz
// formats' form, "Quiz Files|*.QAJ" or "Graphic Files|*.JPG;*.BMP|All|*.*".
struct FileDialogRequest {
    QString caption;
    QString filter;
    QString defaultExtension; // without the point
    QString startFolder;
    QString fileName;
    int helpContext = 0;
    bool mustExist = false;
};

// How a print request ended. A cancelled dialog is not a failure.
enum class PrintStatus { Printed, Cancelled, Failed };

struct PrintResult {
    PrintStatus status = PrintStatus::Cancelled;
    QString reason; // why it failed
};

enum class YesNoCancel { Yes, No, Cancel };

struct ProcessResult {
    bool started = false;
    int exitCode = 0;
    QString error; // why the program could not be started
};

// Everything a form needs from the operating system: message boxes, the
// common dialogs, help, printing and processes. Forms never call Qt's dialogs
// or QProcess directly; tests swap in ScriptedPlatform.
class Platform {
public:
    virtual ~Platform() = default;

    // Message boxes of the four kinds.
    virtual void ShowError(const QString& text) = 0;
    virtual void ShowInfo(const QString& text) = 0;
    virtual bool AskYesNo(const QString& text) = 0;
    virtual bool AskYesNoHelp(const QString& text, int helpContext) = 0;
    // A question that may also abandon the action that asked it.
    virtual YesNoCancel AskYesNoCancel(const QString& text) = 0;

    // Help at a context number in the current help file.
    virtual void SetHelpFile(const QString& path) = 0;
    virtual QString HelpFile() const = 0;
    virtual void ShowHelp(int context) = 0;

    virtual void Beep() = 0;
    // Bits per pixel of the screen the program runs on.
    virtual int ScreenColourDepth() const = 0;

    // Common dialogs; an empty optional means cancelled.
    virtual std::optional<QString> GetOpenFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> GetSaveFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<std::uint32_t> ChooseColour(std::uint32_t initial) = 0; // 0x00BBGGRR
    virtual std::optional<FontSpec> ChooseFont(const FontSpec& initial) = 0;
    // Shows the print dialog and prints the document.
    virtual PrintResult PrintDocument(const QTextDocument& document, const QString& title) = 0;
    virtual bool PrinterSetup() = 0;

    // Starts a program from a Windows-style command line ("prog" args) in the
    // given folder and waits for it to end while the windows stay responsive.
    virtual ProcessResult RunProgramAndWait(const QString& commandLine,
                                            const QString& workingFolder) = 0;
    // The desktop's "open" of a document or web page.
    virtual bool OpenDocument(const QString& path) = 0;

    // Shows a form modally and returns its result code. Every nested form is
    // run through here so that tests can fill it in and press its buttons.
    virtual int RunModal(QDialog& dialog) = 0;

    // Steps a running dialog out of the way while a nested one runs, without
    // ending its modal loop (hiding a dialog in exec() would end it), and brings
    // it back. Use the StepAside guard rather than calling these directly.
    virtual void StepAsideBegin(QWidget& dialog) = 0;
    virtual void StepAsideEnd(QWidget& dialog) = 0;
};

} // namespace tavrin
