#include "player/ScriptedLearner.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "core/files/FileIO.h"
#include "ui/runtime/ChoiceLabel.h"
#include "ui/runtime/RunStyle.h"
#include "ui/runtime/TDispQForm.h"
#include "ui/runtime/TMCDisplayForm.h"
#include "ui/runtime/TTIDispForm.h"

namespace tavrin {
namespace {

QString oneLine(QString text) {
    text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    text.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    return text;
}

bool sameAnswer(const QString& shown, const QString& answer) {
    return shown.trimmed().compare(answer.trimmed(), Qt::CaseInsensitive) == 0;
}

// Once a question is answered: its information when it has some, then on.
void finishQuestion(QPushButton& information, QPushButton& continueButton, QPushButton& next) {
    if (information.isVisible())
        information.click();
    (continueButton.isVisible() ? continueButton : next).click();
}

} // namespace

ScriptedLearner::ScriptedLearner(LearnerScript script, bool firstScreenOnly, std::FILE* report)
    : script_(std::move(script)), firstScreenOnly_(firstScreenOnly), report_(report) {}

std::unique_ptr<ScriptedLearner> ScriptedLearner::FromEnvironment() {
    const QString scriptFile = qEnvironmentVariable("TAVRIN_PLAYER_SCRIPT");
    const bool firstScreenOnly = !qEnvironmentVariable("TAVRIN_PLAYER_FIRST_SCREEN").isEmpty();
    if (scriptFile.isEmpty() && !firstScreenOnly)
        return nullptr;
    LearnerScript script;
    if (!scriptFile.isEmpty()) {
        const auto bytes = ReadFileBytes(std::filesystem::path(scriptFile.toStdString()));
        script = LearnerScript::parse(QString::fromUtf8(reinterpret_cast<const char*>(bytes.data()),
                                                        static_cast<qsizetype>(bytes.size())));
    }
    return std::make_unique<ScriptedLearner>(std::move(script), firstScreenOnly, stdout);
}

void ScriptedLearner::report(const char* kind, const QString& text) {
    std::fprintf(report_, "%s: %s\n", kind, oneLine(text).toUtf8().constData());
    std::fflush(report_);
}

void ScriptedLearner::ShowError(const QString& text) {
    report("error", text);
}

void ScriptedLearner::ShowInfo(const QString& text) {
    report("info", text);
}

bool ScriptedLearner::AskYesNo(const QString& text) {
    report("yesno", text + QStringLiteral(" -> Yes"));
    return true;
}

bool ScriptedLearner::AskYesNoHelp(const QString& text, int) {
    return AskYesNo(text);
}

// A scripted learner leaves files as they were: nothing is saved.
YesNoCancel ScriptedLearner::AskYesNoCancel(const QString& text) {
    report("yesnocancel", text + QStringLiteral(" -> No"));
    return YesNoCancel::No;
}

void ScriptedLearner::ShowHelp(int context) {
    report("help", QString::number(context));
}

std::optional<QString> ScriptedLearner::GetOpenFileName(const FileDialogRequest& request) {
    report("open", request.caption + QStringLiteral(" -> cancelled"));
    return std::nullopt;
}

std::optional<QString> ScriptedLearner::GetSaveFileName(const FileDialogRequest& request) {
    return GetOpenFileName(request);
}

PrintResult ScriptedLearner::PrintDocument(const QTextDocument&, const QString& title) {
    report("print", title);
    return {PrintStatus::Cancelled, {}};
}

ProcessResult ScriptedLearner::RunProgramAndWait(const QString& commandLine, const QString&) {
    report("program", commandLine);
    return {true, 0, {}};
}

bool ScriptedLearner::OpenDocument(const QString& path) {
    report("document", path);
    return true;
}

int ScriptedLearner::RunModal(QDialog& dialog) {
    // The learner acts once the window is on the screen, as a person would.
    QTimer::singleShot(0, &dialog, [this, &dialog] { actOn(dialog); });
    return dialog.exec();
}

void ScriptedLearner::actOn(QDialog& dialog) {
    if (!dialog.isVisible())
        return;
    report("screen",
           dialog.objectName() + QStringLiteral(" \"") + dialog.windowTitle() + QLatin1Char('"'));
    if (firstScreenOnly_)
        stopping_ = true;
    if (stopping_) {
        // A question display asks whether to quit; the answer is Yes.
        dialog.reject();
        return;
    }
    if (auto* typed = qobject_cast<TTIDispForm*>(&dialog))
        answerTypedQuestion(*typed);
    else if (auto* choice = qobject_cast<TMCDisplayForm*>(&dialog))
        answerChoiceQuestion(*choice);
    else if (auto* page = qobject_cast<TDispQForm*>(&dialog))
        matchPage(*page);
    else
        dialog.accept();
    if (dialog.isVisible()) {
        report("error", dialog.objectName() + QStringLiteral(" stayed open; the run is quit"));
        stopping_ = true;
        dialog.reject();
    }
}

void ScriptedLearner::answerTypedQuestion(TTIDispForm& form) {
    const auto& record = form.runState().tmRecord;
    form.Edit1->setText(script_.answerFor(ShownText(record.identifier())));
    form.BitBtn2->click();
    finishQuestion(*form.Button1, *form.continuebitbtn, *form.NextBitBtn);
}

void ScriptedLearner::answerChoiceQuestion(TMCDisplayForm& form) {
    const QString answer = script_.answerFor(ShownText(form.runState().tmRecord.identifier()));
    int chosen = 0;
    for (int tag = 1; tag <= form.optionCount() && chosen == 0; ++tag)
        if (sameAnswer(form.optionLabels[static_cast<std::size_t>(tag - 1)]->text(), answer))
            chosen = tag;
    if (chosen == 0) {
        report("error", QStringLiteral("No choice reads \"%1\"; the first is taken").arg(answer));
        chosen = 1;
    }
    form.AnsLblDblClick(chosen);
    finishQuestion(*form.Button1, *form.continuebitbtn, *form.NextBitBtn);
}

void ScriptedLearner::matchPage(TDispQForm& form) {
    const auto& state = form.runState();
    const auto asked = state.AskedQuestions();
    const auto& pageSlots =
        state.Pages.pageSlots.at(static_cast<std::size_t>(state.CurrentPage - 1));
    for (std::size_t slot = 0; slot < pageSlots.size(); ++slot) {
        const auto& identifier = asked.at(static_cast<std::size_t>(pageSlots[slot])).identifier;
        const QString answer = script_.answerFor(ShownText(identifier));
        int chosen = 0;
        for (std::size_t tag = 1; tag <= pageSlots.size() && chosen == 0; ++tag)
            if (sameAnswer(form.answerLabels[tag - 1]->text(), answer))
                chosen = static_cast<int>(tag);
        if (chosen == 0) {
            report("error",
                   QStringLiteral("No answer reads \"%1\"; the first is taken").arg(answer));
            chosen = 1;
        }
        form.QuestLblDblClick(static_cast<int>(slot + 1));
        form.AnsLblDblClick(chosen);
    }
    (form.BitBtn2->isVisible() ? *form.BitBtn2 : *form.NextBitBtn).click();
}

} // namespace tavrin
