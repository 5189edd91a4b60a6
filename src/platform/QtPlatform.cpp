#include "platform/QtPlatform.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFileDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextDocument>
#include <QUrl>

#include "platform/FileFilter.h"
#include "platform/HelpViewer.h"
#include "platform/PlatformConversions.h"

namespace tavrin {

namespace {

// Qt keeps no text for a failed print job: name where it was going.
QString PrinterFailure(const QPrinter& printer) {
    if (!printer.outputFileName().isEmpty()) {
        return QApplication::tr("Cannot write %1").arg(printer.outputFileName());
    }
    return QApplication::tr("The printer %1 reported an error.").arg(printer.printerName());
}

// Boxes and dialogs belong to the window the author is working in.
QWidget* dialogParent() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return QApplication::activeWindow();
}

void showMessage(QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, dialogParent());
    box.setTextFormat(Qt::PlainText); // messages quote names and texts from the quiz
    box.exec();
}

bool looksLikeUrl(const QString& path) {
    const QUrl url(path, QUrl::StrictMode);
    return url.isValid() && url.scheme().size() > 1 && !url.isLocalFile();
}

} // namespace

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform() = default;

void QtPlatform::ShowError(const QString& text) {
    showMessage(QMessageBox::Critical, QApplication::tr("Error"), text);
}

void QtPlatform::ShowInfo(const QString& text) {
    showMessage(QMessageBox::Information, QApplication::tr("Information"), text);
}

bool QtPlatform::AskYesNo(const QString& text) {
    QMessageBox box(QMessageBox::Question, QApplication::tr("Confirm"), text,
                    QMessageBox::Yes | QMessageBox::No, dialogParent());
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Yes;
}

bool QtPlatform::AskYesNoHelp(const QString& text, int helpContext) {
    QMessageBox box(QMessageBox::Question, QApplication::tr("Confirm"), text,
                    QMessageBox::Yes | QMessageBox::No, dialogParent());
    box.setTextFormat(Qt::PlainText);
    // Help opens the help file and leaves the question on the screen, so the
    // button must not reach the box's own handler, which would close it.
    QPushButton* help = box.addButton(QMessageBox::Help);
    QObject::disconnect(help, &QAbstractButton::clicked, nullptr, nullptr);
    QObject::connect(help, &QAbstractButton::clicked, &box,
                     [this, helpContext] { ShowHelp(helpContext); });
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

YesNoCancel QtPlatform::AskYesNoCancel(const QString& text) {
    QMessageBox box(QMessageBox::Question, QApplication::tr("Confirm"), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, dialogParent());
    switch (box.exec()) {
    case QMessageBox::Yes:
        return YesNoCancel::Yes;
    case QMessageBox::No:
        return YesNoCancel::No;
    default:
        return YesNoCancel::Cancel;
    }
}

void QtPlatform::SetHelpFile(const QString& path) {
    helpFile_ = path;
}

QString QtPlatform::HelpFile() const {
    return helpFile_;
}

void QtPlatform::ShowHelp(int context) {
    if (helpFile_.isEmpty()) {
        ShowError(QApplication::tr("No help file has been chosen."));
        return;
    }
    if (!helpViewer_) {
        helpViewer_ = std::make_unique<HelpViewer>();
    }
    QString error;
    if (!helpViewer_->ShowContext(helpFile_, context, error)) {
        ShowError(error);
        return;
    }
    // A window opened beside a running modal dialog would be blocked by it;
    // then the help window is modal itself until closed.
    const Qt::WindowModality modality =
        QApplication::activeModalWidget() != nullptr ? Qt::ApplicationModal : Qt::NonModal;
    if (helpViewer_->windowModality() != modality) {
        helpViewer_->hide();
        helpViewer_->setWindowModality(modality);
    }
    helpViewer_->show();
    helpViewer_->raise();
    helpViewer_->activateWindow();
}

void QtPlatform::Beep() {
    QApplication::beep();
}

int QtPlatform::ScreenColourDepth() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->depth() : 24;
}

std::optional<QString> QtPlatform::GetOpenFileName(const FileDialogRequest& request) {
    return runFileDialog(request, false);
}

std::optional<QString> QtPlatform::GetSaveFileName(const FileDialogRequest& request) {
    return runFileDialog(request, true);
}

std::optional<QString> QtPlatform::runFileDialog(const FileDialogRequest& request, bool save) {
    QFileDialog dialog(dialogParent(), request.caption, request.startFolder);
    // Qt's own dialog everywhere, so the case-blind masks behave the same on
    // every system.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(!save && request.mustExist ? QFileDialog::ExistingFile
                                                  : QFileDialog::AnyFile);
    const QStringList nameFilters = ToQtNameFilters(request.filter);
    if (!nameFilters.isEmpty()) {
        dialog.setNameFilters(nameFilters);
    }
    dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.fileName.isEmpty()) {
        dialog.selectFile(request.fileName);
    }
    if (request.helpContext != 0) {
        addHelp(dialog, request.helpContext);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QDir::toNativeSeparators(dialog.selectedFiles().first());
}

std::optional<std::uint32_t> QtPlatform::ChooseColour(std::uint32_t initial) {
    const QColor chosen = QColorDialog::getColor(ColourFromValue(initial), dialogParent());
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return ValueFromColour(chosen);
}

std::optional<FontSpec> QtPlatform::ChooseFont(const FontSpec& initial) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, FontFromSpec(initial), dialogParent());
    if (!ok) {
        return std::nullopt;
    }
    return SpecFromFont(chosen, initial.colour);
}

void QtPlatform::addHelp(QFileDialog& dialog, int helpContext) {
    const auto showHelp = [this, helpContext] { ShowHelp(helpContext); };
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))) {
        buttons->addButton(QDialogButtonBox::Help);
        QObject::connect(buttons, &QDialogButtonBox::helpRequested, &dialog, showHelp);
    }
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), &dialog);
    QObject::connect(f1, &QShortcut::activated, &dialog, showHelp);
}

QPrinter& QtPlatform::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer_;
}

PrintResult QtPlatform::PrintDocument(const QTextDocument& document, const QString& title) {
    QPrinter& target = printer();
    target.setDocName(title);
    QPrintDialog dialog(&target, dialogParent());
    dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted) {
        return {PrintStatus::Cancelled, {}};
    }
    if (!target.isValid()) {
        return {PrintStatus::Failed, QApplication::tr("No printer is available.")};
    }
    document.print(&target);
    if (target.printerState() == QPrinter::Error) {
        return {PrintStatus::Failed, PrinterFailure(target)};
    }
    return {PrintStatus::Printed, {}};
}

bool QtPlatform::PrinterSetup() {
    QPageSetupDialog dialog(&printer(), dialogParent());
    return dialog.exec() == QDialog::Accepted;
}

ProcessResult QtPlatform::RunProgramAndWait(const QString& commandLine,
                                            const QString& workingFolder) {
    ProcessResult result;
    QStringList parts = ProgramAndArguments(commandLine, workingFolder);
    if (parts.isEmpty() || parts.first().isEmpty()) {
        result.error = QApplication::tr("No program was named.");
        return result;
    }
    QProcess process;
    process.setProgram(parts.takeFirst());
    process.setArguments(parts);
    process.setWorkingDirectory(workingFolder);
    process.setProcessChannelMode(QProcess::ForwardedChannels);

    // The windows keep painting and answering while the program runs.
    QEventLoop loop;
    bool failedToStart = false;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            failedToStart = true;
            loop.quit();
        }
    });
    process.start();
    if (!failedToStart && process.state() != QProcess::NotRunning) {
        loop.exec();
    }
    if (failedToStart) {
        result.error = process.errorString();
        return result;
    }
    result.started = true;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return result;
}

bool QtPlatform::OpenDocument(const QString& path) {
    if (looksLikeUrl(path)) {
        return QDesktopServices::openUrl(QUrl(path));
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

int QtPlatform::RunModal(QDialog& dialog) {
    return dialog.exec();
}

namespace {
const char* const kAsidePosition = "tavrinStepAsidePosition";
const char* const kAsideOpacity = "tavrinStepAsideOpacity";
} // namespace

// hide() would end the dialog's modal loop, so the window stays shown and is
// only put out of sight. A window manager may clamp a move beyond the screens
// to keep part of the window visible, so the window is also made fully
// transparent (effective wherever windows are composited) and lowered beneath
// its nested dialog. It is not minimised: many window managers minimise a
// window's transient dialogs with it, which would take the nested dialog away.
void QtPlatform::StepAsideBegin(QWidget& dialog) {
    dialog.setProperty(kAsidePosition, dialog.pos());
    dialog.setProperty(kAsideOpacity, dialog.windowOpacity());
    dialog.move(-32000, -32000);
    dialog.setWindowOpacity(0.0);
    dialog.lower();
}

void QtPlatform::StepAsideEnd(QWidget& dialog) {
    const QVariant position = dialog.property(kAsidePosition);
    if (position.isValid())
        dialog.move(position.toPoint());
    const QVariant opacity = dialog.property(kAsideOpacity);
    dialog.setWindowOpacity(opacity.isValid() ? opacity.toDouble() : 1.0);
    dialog.setProperty(kAsidePosition, QVariant());
    dialog.setProperty(kAsideOpacity, QVariant());
    dialog.raise();
    dialog.activateWindow();
}

} // namespace tavrin
