#pragma once

#include <QString>
#include <memory>

#include "platform/Platform.h"

class QFileDialog;
class QPrinter;

namespace tavrin {

class HelpViewer;

// The Platform of the real program: Qt's message boxes and common dialogs,
// our help viewer, QPrinter and QProcess.
class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

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

    // The one help window, once help has been shown.
    HelpViewer* helpViewer() const { return helpViewer_.get(); }

private:
    std::optional<QString> runFileDialog(const FileDialogRequest& request, bool save);
    // A Help button and F1 that open help at the dialog's context.
    void addHelp(QFileDialog& dialog, int helpContext);
    QPrinter& printer();

    QString helpFile_;
    std::unique_ptr<HelpViewer> helpViewer_;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace tavrin
