#pragma once

#include <QDialog>
#include <QMap>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

#include "platform/Platform.h"

namespace tavrin {

// A Platform for tests. Every call is recorded in order, and every question a
// form asks (message boxes, common dialogs, processes, help) is answered from
// a script the test writes beforehand. Anything the script did not expect is
// reported through the failure handler, with the text that was shown.
//
// Modal forms run through RunModal run in their own modal loop, as in the
// program; inside it the next handler queued with onDialog() for their
// objectName fills the form in and presses its buttons, and RunModal returns
// the form's result. A form that ends its loop before the handler is done (a
// dialog hidden while it runs) or that the handler leaves open fails the test.
class ScriptedPlatform : public Platform {
public:
    using FailureHandler = std::function<void(const QString& message)>;
    using DialogHandler = std::function<void(QDialog& dialog)>;

    ScriptedPlatform();

    // Without a handler, failures are collected in failures() only.
    void setFailureHandler(FailureHandler handler);
    const QStringList& failures() const { return failures_; }

    // Every call in order, e.g. "error: A filename must be entered.",
    // "yesno: Save changes? -> Yes", "dialog: TButtListForm -> 1", "help: 165".
    const QStringList& calls() const { return calls_; }

    // The script, consumed in order.
    void expectError(const QString& text);
    void expectInfo(const QString& text);
    void expectYesNo(const QString& text, bool answer);
    void expectYesNoHelp(const QString& text, bool answer);
    void expectYesNoCancel(const QString& text, YesNoCancel answer);
    void expectHelp(int context);
    void expectOpenFile(std::optional<QString> answer); // nullopt = cancelled
    void expectSaveFile(std::optional<QString> answer);
    void expectColour(std::optional<std::uint32_t> answer);
    void expectFont(std::optional<FontSpec> answer);
    // Prints the document to this PDF file and reports success.
    void expectPrint(const QString& pdfPath);
    void expectPrintCancelled();
    void expectPrintFailure(const QString& reason);
    void expectPrinterSetup(bool answer);
    // An empty commandLine accepts any command line.
    void expectRunProgram(ProcessResult result, const QString& commandLine = {});
    void expectOpenDocument(const QString& path, bool answer = true);

    // Queues a handler for the next form with this objectName run through RunModal.
    void onDialog(const QString& objectName, DialogHandler handler);

    // Reports every expectation and dialog handler the run did not use, then
    // forgets them.
    void verifyDone();

    // What the last file dialog, program run or print was asked for.
    const FileDialogRequest& lastFileRequest() const { return lastFileRequest_; }
    const QString& lastWorkingFolder() const { return lastWorkingFolder_; }
    const QString& lastPrintTitle() const { return lastPrintTitle_; }

    void setScreenColourDepth(int depth) { screenDepth_ = depth; }
    int beepCount() const { return beeps_; }

    void ShowError(const QString& text) override;
    void ShowInfo(const QString& text) override;
    bool AskYesNo(const QString& text) override;
    bool AskYesNoHelp(const QString& text, int helpContext) override;
    YesNoCancel AskYesNoCancel(const QString& text) override;
    void SetHelpFile(const QString& path) override;
    QString HelpFile() const override;
    void ShowHelp(int context) override;
    void Beep() override;
    int ScreenColourDepth() const override;
    std::optional<QString> GetOpenFileName(const FileDialogRequest& request) override;
    std::optional<QString> GetSaveFileName(const FileDialogRequest& request) override;
    std::optional<std::uint32_t> ChooseColour(std::uint32_t initial) override;
    std::optional<FontSpec> ChooseFont(const FontSpec& initial) override;
    PrintResult PrintDocument(const QTextDocument& document, const QString& title) override;
    bool PrinterSetup() override;
    ProcessResult RunProgramAndWait(const QString& commandLine,
                                    const QString& workingFolder) override;
    bool OpenDocument(const QString& path) override;
    int RunModal(QDialog& dialog) override;
    void StepAsideBegin(QWidget& dialog) override;
    void StepAsideEnd(QWidget& dialog) override;

private:
    enum class Kind {
        Error,
        Info,
        YesNo,
        YesNoHelp,
        YesNoCancel,
        Help,
        OpenFile,
        SaveFile,
        Colour,
        Font,
        Print,
        PrinterSetup,
        RunProgram,
        OpenDocument
    };

    struct Expectation {
        Kind kind = Kind::Error;
        QString text; // compared when `checkText`
        bool checkText = true;
        bool answer = false;
        YesNoCancel threeWayAnswer = YesNoCancel::Cancel;
        std::optional<QString> fileAnswer;
        std::optional<std::uint32_t> colourAnswer;
        std::optional<FontSpec> fontAnswer;
        ProcessResult processResult;
        QString printFailure;
    };

    static Expectation make(Kind kind, const QString& text = {}, bool checkText = true);
    static QString kindName(Kind kind);
    static QString describe(const Expectation& expectation);
    void push(Expectation expectation);
    // The next expectation when it is of this kind and shows this text;
    // otherwise reports the unexpected call and returns nothing.
    std::optional<Expectation> take(Kind kind, const QString& shown);
    void fail(const QString& message);
    void record(const QString& call) { calls_.append(call); }

    std::deque<Expectation> script_;
    QMap<QString, std::deque<DialogHandler>> dialogHandlers_;
    FailureHandler failureHandler_;
    QStringList failures_;
    QStringList calls_;
    QString helpFile_;
    FileDialogRequest lastFileRequest_;
    QString lastWorkingFolder_;
    QString lastPrintTitle_;
    int screenDepth_ = 24;
    int beeps_ = 0;
};

} // namespace tavrin
