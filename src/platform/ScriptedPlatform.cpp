#include "platform/ScriptedPlatform.h"

#include <QEvent>
#include <QFileInfo>
#include <QPrinter>
#include <QTextDocument>
#include <QTimer>
#include <QtGlobal>
#include <utility>

namespace tavrin {

namespace {

QString yesNo(bool answer) {
    return answer ? QStringLiteral("Yes") : QStringLiteral("No");
}

QString fileAnswerText(const std::optional<QString>& answer) {
    return answer ? *answer : QStringLiteral("(cancelled)");
}

} // namespace

ScriptedPlatform::ScriptedPlatform() = default;

void ScriptedPlatform::setFailureHandler(FailureHandler handler) {
    failureHandler_ = std::move(handler);
}

void ScriptedPlatform::expectError(const QString& text) {
    push(make(Kind::Error, text));
}

void ScriptedPlatform::expectInfo(const QString& text) {
    push(make(Kind::Info, text));
}

void ScriptedPlatform::expectYesNo(const QString& text, bool answer) {
    Expectation e = make(Kind::YesNo, text);
    e.answer = answer;
    push(std::move(e));
}

void ScriptedPlatform::expectYesNoHelp(const QString& text, bool answer) {
    Expectation e = make(Kind::YesNoHelp, text);
    e.answer = answer;
    push(std::move(e));
}

void ScriptedPlatform::expectYesNoCancel(const QString& text, YesNoCancel answer) {
    Expectation e = make(Kind::YesNoCancel, text);
    e.threeWayAnswer = answer;
    push(std::move(e));
}

void ScriptedPlatform::expectHelp(int context) {
    push(make(Kind::Help, QString::number(context)));
}

void ScriptedPlatform::expectOpenFile(std::optional<QString> answer) {
    Expectation e = make(Kind::OpenFile, {}, false);
    e.fileAnswer = std::move(answer);
    push(std::move(e));
}

void ScriptedPlatform::expectSaveFile(std::optional<QString> answer) {
    Expectation e = make(Kind::SaveFile, {}, false);
    e.fileAnswer = std::move(answer);
    push(std::move(e));
}

void ScriptedPlatform::expectColour(std::optional<std::uint32_t> answer) {
    Expectation e = make(Kind::Colour, {}, false);
    e.colourAnswer = answer;
    push(std::move(e));
}

void ScriptedPlatform::expectFont(std::optional<FontSpec> answer) {
    Expectation e = make(Kind::Font, {}, false);
    e.fontAnswer = std::move(answer);
    push(std::move(e));
}

void ScriptedPlatform::expectPrint(const QString& pdfPath) {
    Expectation e = make(Kind::Print, {}, false);
    e.fileAnswer = pdfPath;
    push(std::move(e));
}

void ScriptedPlatform::expectPrintCancelled() {
    push(make(Kind::Print, {}, false));
}

void ScriptedPlatform::expectPrintFailure(const QString& reason) {
    Expectation e = make(Kind::Print, {}, false);
    e.printFailure = reason;
    push(std::move(e));
}

void ScriptedPlatform::expectPrinterSetup(bool answer) {
    Expectation e = make(Kind::PrinterSetup, {}, false);
    e.answer = answer;
    push(std::move(e));
}

void ScriptedPlatform::expectRunProgram(ProcessResult result, const QString& commandLine) {
    Expectation e = make(Kind::RunProgram, commandLine, !commandLine.isEmpty());
    e.processResult = std::move(result);
    push(std::move(e));
}

void ScriptedPlatform::expectOpenDocument(const QString& path, bool answer) {
    Expectation e = make(Kind::OpenDocument, path);
    e.answer = answer;
    push(std::move(e));
}

void ScriptedPlatform::onDialog(const QString& objectName, DialogHandler handler) {
    dialogHandlers_[objectName].push_back(std::move(handler));
}

void ScriptedPlatform::verifyDone() {
    for (const Expectation& e : script_) {
        fail(QStringLiteral("Expected but never shown: %1").arg(describe(e)));
    }
    script_.clear();
    for (auto it = dialogHandlers_.cbegin(); it != dialogHandlers_.cend(); ++it) {
        for (std::size_t i = 0; i < it.value().size(); ++i) {
            fail(QStringLiteral("Expected form %1 was never run").arg(it.key()));
        }
    }
    dialogHandlers_.clear();
}

void ScriptedPlatform::ShowError(const QString& text) {
    record(QStringLiteral("error: ") + text);
    take(Kind::Error, text);
}

void ScriptedPlatform::ShowInfo(const QString& text) {
    record(QStringLiteral("info: ") + text);
    take(Kind::Info, text);
}

bool ScriptedPlatform::AskYesNo(const QString& text) {
    const auto e = take(Kind::YesNo, text);
    const bool answer = e && e->answer;
    record(QStringLiteral("yesno: %1 -> %2").arg(text, yesNo(answer)));
    return answer;
}

bool ScriptedPlatform::AskYesNoHelp(const QString& text, int helpContext) {
    const auto e = take(Kind::YesNoHelp, text);
    const bool answer = e && e->answer;
    record(QStringLiteral("yesnohelp: %1 [help %2] -> %3")
               .arg(text)
               .arg(helpContext)
               .arg(yesNo(answer)));
    return answer;
}

YesNoCancel ScriptedPlatform::AskYesNoCancel(const QString& text) {
    const auto e = take(Kind::YesNoCancel, text);
    const YesNoCancel answer = e ? e->threeWayAnswer : YesNoCancel::Cancel;
    static const char* const names[] = {"Yes", "No", "Cancel"};
    record(QStringLiteral("yesnocancel: %1 -> %2").arg(text, names[static_cast<int>(answer)]));
    return answer;
}

void ScriptedPlatform::SetHelpFile(const QString& path) {
    helpFile_ = path;
}

QString ScriptedPlatform::HelpFile() const {
    return helpFile_;
}

void ScriptedPlatform::ShowHelp(int context) {
    record(QStringLiteral("help: %1").arg(context));
    take(Kind::Help, QString::number(context));
}

void ScriptedPlatform::Beep() {
    record(QStringLiteral("beep"));
    ++beeps_;
}

int ScriptedPlatform::ScreenColourDepth() const {
    return screenDepth_;
}

std::optional<QString> ScriptedPlatform::GetOpenFileName(const FileDialogRequest& request) {
    lastFileRequest_ = request;
    const auto e = take(Kind::OpenFile, request.caption);
    const std::optional<QString> answer = e ? e->fileAnswer : std::nullopt;
    record(QStringLiteral("openfile: %1 [%2] -> %3")
               .arg(request.caption, request.filter, fileAnswerText(answer)));
    return answer;
}

std::optional<QString> ScriptedPlatform::GetSaveFileName(const FileDialogRequest& request) {
    lastFileRequest_ = request;
    const auto e = take(Kind::SaveFile, request.caption);
    const std::optional<QString> answer = e ? e->fileAnswer : std::nullopt;
    record(QStringLiteral("savefile: %1 [%2] -> %3")
               .arg(request.caption, request.filter, fileAnswerText(answer)));
    return answer;
}

std::optional<std::uint32_t> ScriptedPlatform::ChooseColour(std::uint32_t initial) {
    const auto e = take(Kind::Colour, {});
    const std::optional<std::uint32_t> answer = e ? e->colourAnswer : std::nullopt;
    record(QStringLiteral("colour: %1 -> %2")
               .arg(initial)
               .arg(answer ? QString::number(*answer) : QStringLiteral("(cancelled)")));
    return answer;
}

std::optional<FontSpec> ScriptedPlatform::ChooseFont(const FontSpec& initial) {
    const auto e = take(Kind::Font, {});
    const std::optional<FontSpec> answer = e ? e->fontAnswer : std::nullopt;
    record(QStringLiteral("font: %1 -> %2")
               .arg(QString::fromStdString(FontToText(initial)),
                    answer ? QString::fromStdString(FontToText(*answer))
                           : QStringLiteral("(cancelled)")));
    return answer;
}

PrintResult ScriptedPlatform::PrintDocument(const QTextDocument& document, const QString& title) {
    lastPrintTitle_ = title;
    const auto e = take(Kind::Print, title);
    if (e && !e->printFailure.isEmpty()) {
        record(QStringLiteral("print: %1 -> failed: %2").arg(title, e->printFailure));
        return {PrintStatus::Failed, e->printFailure};
    }
    record(QStringLiteral("print: %1 -> %2")
               .arg(title, fileAnswerText(e ? e->fileAnswer : std::nullopt)));
    if (!e || !e->fileAnswer) {
        return {PrintStatus::Cancelled, {}};
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*e->fileAnswer);
    printer.setDocName(title);
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error || !QFileInfo::exists(*e->fileAnswer)) {
        return {PrintStatus::Failed, QStringLiteral("Cannot write %1").arg(*e->fileAnswer)};
    }
    return {PrintStatus::Printed, {}};
}

bool ScriptedPlatform::PrinterSetup() {
    const auto e = take(Kind::PrinterSetup, {});
    const bool answer = e && e->answer;
    record(QStringLiteral("printersetup -> %1").arg(answer ? "OK" : "Cancel"));
    return answer;
}

ProcessResult ScriptedPlatform::RunProgramAndWait(const QString& commandLine,
                                                  const QString& workingFolder) {
    lastWorkingFolder_ = workingFolder;
    record(QStringLiteral("run: %1 [in %2]").arg(commandLine, workingFolder));
    const auto e = take(Kind::RunProgram, commandLine);
    if (!e) {
        return ProcessResult{false, 0, QStringLiteral("not in the test script")};
    }
    return e->processResult;
}

bool ScriptedPlatform::OpenDocument(const QString& path) {
    const auto e = take(Kind::OpenDocument, path);
    const bool answer = e && e->answer;
    record(QStringLiteral("open: %1 -> %2").arg(path, answer ? "opened" : "failed"));
    return answer;
}

namespace {

// Watches a dialog in exec() for a hide that does not come from done(): in
// Qt that ends the dialog's modal loop, so the form would end early.
class EarlyEndWatch : public QObject {
public:
    explicit EarlyEndWatch(QDialog& dialog) {
        dialog.installEventFilter(this);
        connect(&dialog, &QDialog::finished, this, [this] { hiddenOutsideDone_ = false; });
    }
    bool endedEarly() const { return endedEarly_ || hiddenOutsideDone_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // done() hides the dialog and then emits finished at once.
        if (event->type() == QEvent::Hide)
            hiddenOutsideDone_ = true;
        else if (event->type() == QEvent::Show && hiddenOutsideDone_)
            endedEarly_ = true;
        return QObject::eventFilter(watched, event);
    }

private:
    bool hiddenOutsideDone_ = false;
    bool endedEarly_ = false;
};

} // namespace

// The form runs in its own modal loop, as in the program; the handler acts on
// it from a zero timer inside that loop, so a form that ends its loop early
// (by hiding itself) fails here as it would for the author.
int ScriptedPlatform::RunModal(QDialog& dialog) {
    const QString name = dialog.objectName();
    auto queue = dialogHandlers_.find(name);
    if (queue == dialogHandlers_.end() || queue.value().empty()) {
        record(QStringLiteral("dialog: %1 -> (unexpected)").arg(name));
        fail(QStringLiteral("Unexpected form %1 (\"%2\")").arg(name, dialog.windowTitle()));
        return QDialog::Rejected;
    }
    DialogHandler handler = std::move(queue.value().front());
    queue.value().pop_front();
    bool handlerDone = false;
    bool leftOpen = false;
    bool endedEarly = false;
    QTimer start;
    start.setSingleShot(true);
    QObject::connect(&start, &QTimer::timeout, &dialog, [&] {
        EarlyEndWatch watch(dialog);
        handler(dialog);
        handlerDone = true;
        endedEarly = watch.endedEarly();
        if (dialog.isVisible()) {
            leftOpen = !endedEarly;
            dialog.reject();
        }
    });
    start.start(0);
    const int result = dialog.exec();
    if (!handlerDone || endedEarly) {
        fail(QStringLiteral("Form %1 ended its modal loop before its test handler finished "
                            "(a dialog hidden while it runs ends)")
                 .arg(name));
    } else if (leftOpen) {
        fail(QStringLiteral("Form %1 was left open by its test handler").arg(name));
    }
    record(QStringLiteral("dialog: %1 -> %2").arg(name).arg(result));
    return result;
}

void ScriptedPlatform::StepAsideBegin(QWidget& dialog) {
    record(QStringLiteral("step aside: %1").arg(dialog.objectName()));
}

void ScriptedPlatform::StepAsideEnd(QWidget& dialog) {
    record(QStringLiteral("step back: %1").arg(dialog.objectName()));
}

QString ScriptedPlatform::kindName(Kind kind) {
    switch (kind) {
    case Kind::Error:
        return QStringLiteral("error box");
    case Kind::Info:
        return QStringLiteral("information box");
    case Kind::YesNo:
        return QStringLiteral("Yes/No box");
    case Kind::YesNoHelp:
        return QStringLiteral("Yes/No/Help box");
    case Kind::YesNoCancel:
        return QStringLiteral("Yes/No/Cancel box");
    case Kind::Help:
        return QStringLiteral("help at context");
    case Kind::OpenFile:
        return QStringLiteral("open-file dialog");
    case Kind::SaveFile:
        return QStringLiteral("save-file dialog");
    case Kind::Colour:
        return QStringLiteral("colour dialog");
    case Kind::Font:
        return QStringLiteral("font dialog");
    case Kind::Print:
        return QStringLiteral("print dialog");
    case Kind::PrinterSetup:
        return QStringLiteral("printer set-up dialog");
    case Kind::RunProgram:
        return QStringLiteral("program run");
    case Kind::OpenDocument:
        return QStringLiteral("document open");
    }
    return {};
}

QString ScriptedPlatform::describe(const Expectation& expectation) {
    if (!expectation.checkText) {
        return kindName(expectation.kind);
    }
    return QStringLiteral("%1 \"%2\"").arg(kindName(expectation.kind), expectation.text);
}

ScriptedPlatform::Expectation ScriptedPlatform::make(Kind kind, const QString& text,
                                                     bool checkText) {
    Expectation expectation;
    expectation.kind = kind;
    expectation.text = text;
    expectation.checkText = checkText;
    return expectation;
}

void ScriptedPlatform::push(Expectation expectation) {
    script_.push_back(std::move(expectation));
}

std::optional<ScriptedPlatform::Expectation> ScriptedPlatform::take(Kind kind,
                                                                    const QString& shown) {
    const QString what = QStringLiteral("%1 \"%2\"").arg(kindName(kind), shown);
    if (script_.empty()) {
        fail(QStringLiteral("Unexpected %1; the script expected nothing more").arg(what));
        return std::nullopt;
    }
    const Expectation& next = script_.front();
    if (next.kind != kind || (next.checkText && next.text != shown)) {
        fail(QStringLiteral("Unexpected %1; the script expected %2").arg(what, describe(next)));
        return std::nullopt;
    }
    Expectation taken = next;
    script_.pop_front();
    return taken;
}

void ScriptedPlatform::fail(const QString& message) {
    failures_.append(message);
    if (failureHandler_) {
        failureHandler_(message);
    } else {
        qWarning("%s", qPrintable(message));
    }
}

} // namespace tavrin
