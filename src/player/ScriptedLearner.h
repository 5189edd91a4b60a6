#pragma once

#include <cstdio>
#include <memory>

#include "platform/QtPlatform.h"
#include "player/LearnerScript.h"

namespace tavrin {

class TDispQForm;
class TMCDisplayForm;
class TTIDispForm;

// A learner played by a script, for checking a player from outside without
// anybody at the keyboard. It takes part only when the environment asks for
// it (see FromEnvironment); the run itself is the ordinary one, with the same
// forms: the learner fills in each question display and presses its buttons,
// opens the information of every question that has some, accepts every other
// window, and answers every message box with OK or Yes. Nothing is printed,
// and no program or document is started.
//
// Every window and message is reported on standard output, one line each:
//   screen: TTIDispForm "window title"
//   info: The Quiz results have been saved to DEMO.TID
//   error: ..., yesno: ... -> Yes, program: ..., document: ..., print: ...,
//   help: ..., open: ...
// Line breaks inside a text are written as \n and \r.
class ScriptedLearner : public QtPlatform {
public:
    // `firstScreenOnly`: report the first window, then quit the run at once.
    ScriptedLearner(LearnerScript script, bool firstScreenOnly, std::FILE* report);

    // TAVRIN_PLAYER_SCRIPT names a script file of answers (LearnerScript);
    // TAVRIN_PLAYER_FIRST_SCREEN set to any text stops after the first
    // window. Nothing when neither is set. Throws FileError when the script
    // cannot be read.
    static std::unique_ptr<ScriptedLearner> FromEnvironment();

    void ShowError(const QString& text) override;
    void ShowInfo(const QString& text) override;
    bool AskYesNo(const QString& text) override;
    bool AskYesNoHelp(const QString& text, int helpContext) override;
    YesNoCancel AskYesNoCancel(const QString& text) override;
    void ShowHelp(int context) override;
    void Beep() override {}
    std::optional<QString> GetOpenFileName(const FileDialogRequest& request) override;
    std::optional<QString> GetSaveFileName(const FileDialogRequest& request) override;
    std::optional<std::uint32_t> ChooseColour(std::uint32_t) override { return std::nullopt; }
    std::optional<FontSpec> ChooseFont(const FontSpec&) override { return std::nullopt; }
    PrintResult PrintDocument(const QTextDocument& document, const QString& title) override;
    bool PrinterSetup() override { return false; }
    ProcessResult RunProgramAndWait(const QString& commandLine,
                                    const QString& workingFolder) override;
    bool OpenDocument(const QString& path) override;
    int RunModal(QDialog& dialog) override;

private:
    void actOn(QDialog& dialog);
    void answerTypedQuestion(TTIDispForm& form);
    void answerChoiceQuestion(TMCDisplayForm& form);
    void matchPage(TDispQForm& form);
    void report(const char* kind, const QString& text);

    LearnerScript script_;
    bool firstScreenOnly_;
    bool stopping_ = false;
    std::FILE* report_;
};

} // namespace tavrin
