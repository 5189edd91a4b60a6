#include "core/files/FileIO.h"
#include "core/project/ProjectState.h"
#include "core/questions/TQARecord.h"
#include "core/questions/TTMRecord.h"
#include "platform/ScriptedPlatform.h"
#include "ui/notes/THNotesForm.h"
#include "ui/notes/TTutorialForm.h"
#include "ui/present/program/TChangeTextForm.h"
#include "ui/present/program/TDesignAboutForm.h"
#include "ui/present/program/THelpfileForm.h"
#include "ui/present/program/TIntroDesignForm.h"
#include "ui/present/program/TIntroEntryForm.h"
#include "ui/present/program/TProgConfigForm.h"
#include "ui/present/program/TVPDesignTitleForm.h"
#include "ui/present/quiz/TCommentsForm.h"
#include "ui/present/quiz/TCustomTextForm.h"
#include "ui/present/quiz/TFunctionsForm.h"
#include "ui/present/quiz/TGroupScoreForm.h"
#include "ui/present/quiz/TMCQDesignForm.h"
#include "ui/present/quiz/TMCTestForm.h"
#include "ui/present/quiz/TQCustForm.h"
#include "ui/present/quiz/TQDesignRForm.h"
#include "ui/present/quiz/TQPresentForm.h"
#include "ui/present/quiz/TQuestionDesignForm.h"
#include "ui/present/quiz/TQuizTitleBarForm.h"
#include "ui/present/quiz/TResMenuForm.h"
#include "ui/present/quiz/TScoreDesignForm.h"
#include "ui/present/quiz/TTIQDesignForm.h"
#include "ui/present/quiz/TTITestForm.h"
#include "ui/present/quiz/TTestQForm.h"
#include "ui/questions/TMCEntryForm.h"
#include "ui/questions/TQAEntryForm.h"
#include "ui/questions/TTIEntryForm.h"
#include "ui/shell/FormHelp.h"
#include "ui/shell/TMCmainform.h"
#include "ui/shell/TMakeDirForm.h"
#include "ui/shell/TNquizMainForm.h"
#include "ui/shell/TQAMainForm.h"
#include "ui/shell/TQuizaboutform.h"
#include "ui/shell/TTImainform.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace tavrin {
namespace {

namespace fs = std::filesystem;

// The manual that the build installs beside the program.
fs::path ManualPath() {
    return fs::path(TAVRIN_SOURCE_DIR) / "help" / "DRAVLEN.HLP";
}

std::set<int> AnchorsOf(const std::string& html) {
    std::set<int> anchors;
    const QRegularExpression anchor(QStringLiteral("<a name=\"context-(\\d+)\"></a>"));
    auto matches = anchor.globalMatch(QString::fromStdString(html));
    while (matches.hasNext())
        anchors.insert(matches.next().captured(1).toInt());
    return anchors;
}

// Every help context that a control of the form, or the form, opens.
void CollectContexts(const QWidget& form, std::set<int>& contexts) {
    QList<const QWidget*> widgets = form.findChildren<const QWidget*>();
    widgets.prepend(&form);
    for (const QWidget* widget : widgets) {
        contexts.insert(HelpContextOf(widget));
        if (const auto* dialog = qobject_cast<const PlatformDialog*>(widget))
            contexts.insert(dialog->helpContext());
    }
}

TEST(HelpFileTest, ManualHasAPageForEveryContextTheFormsCarry) {
    const std::set<int> anchors = AnchorsOf(ReadFileText(ManualPath()));
    ScriptedPlatform platform;
    ProjectState state;
    ManagerServices services;
    EntryContext entry{platform, {}, {}, {}, {}, nullptr};
    // The choosers and dialogs that the managers open with a context of their own.
    std::set<int> contexts = {90, 105, 165, 175, 185};
    CollectContexts(TNquizMainForm(platform, "T", {}), contexts);
    CollectContexts(TQuizaboutform(platform, "T"), contexts);
    CollectContexts(TMakeDirForm(platform, "*.QAJ", "p", 105, {}), contexts);
    CollectContexts(TQAMainForm(platform, state, services), contexts);
    CollectContexts(TTImainform(platform, state, services), contexts);
    CollectContexts(TMCmainform(platform, state, services), contexts);
    CollectContexts(TQAEntryForm(entry, TQARecord()), contexts);
    CollectContexts(TTIEntryForm(entry, TTMRecord()), contexts);
    CollectContexts(TMCEntryForm(entry, TTMRecord()), contexts);
    const ProgramScreens screens;
    const ProgramWindow window;
    CollectContexts(TProgConfigForm(platform, {}, {}, screens, window), contexts);
    CollectContexts(THelpfileForm(platform, {}, window), contexts);
    CollectContexts(TDesignAboutForm(platform, {}, AboutBoxDesign()), contexts);
    CollectContexts(TIntroEntryForm(platform, {}, screens, window, {}), contexts);
    CollectContexts(TIntroDesignForm(platform, {}, screens, window, {}), contexts);
    CollectContexts(TChangeTextForm(platform, screens), contexts);
    for (auto bar : {TVPDesignTitleForm::Bar::Title, TVPDesignTitleForm::Bar::Status})
        CollectContexts(TVPDesignTitleForm(platform, IntroScreenDesign(), bar), contexts);
    for (QuizKind kind : {QuizKind::QA, QuizKind::TI, QuizKind::MC}) {
        state.quizKind = kind;
        CollectContexts(TQCustForm(platform, state), contexts);
        CollectContexts(TQPresentForm(platform, state), contexts);
    }
    const QuizSettings& settings = state.settings;
    CollectContexts(TCustomTextForm(platform, state), contexts);
    CollectContexts(TFunctionsForm(platform, state), contexts);
    CollectContexts(TResMenuForm(platform, state), contexts);
    CollectContexts(TQDesignRForm(platform, state), contexts);
    CollectContexts(TGroupScoreForm(platform, state), contexts);
    CollectContexts(TCommentsForm(platform, state), contexts);
    CollectContexts(TQuizTitleBarForm(platform, settings), contexts);
    CollectContexts(TScoreDesignForm(platform, settings), contexts);
    CollectContexts(TQuestionDesignForm(platform, settings), contexts);
    CollectContexts(TTIQDesignForm(platform, settings), contexts);
    CollectContexts(TMCQDesignForm(platform, settings), contexts);
    CollectContexts(TTestQForm(platform, settings), contexts);
    CollectContexts(TTITestForm(platform, settings), contexts);
    CollectContexts(TMCTestForm(platform, settings), contexts);
    CollectContexts(THNotesForm(platform), contexts);
    CollectContexts(TTutorialForm(platform, "T"), contexts);
    for (int context : contexts)
        EXPECT_TRUE(anchors.count(context)) << "no page for help context " << context;
}

TEST(HelpFileTest, EveryLinkInTheManualLeadsToAPage) {
    const std::string html = ReadFileText(ManualPath());
    const std::set<int> anchors = AnchorsOf(html);
    const QRegularExpression link(QStringLiteral("href=\"#context-(\\d+)\""));
    auto matches = link.globalMatch(QString::fromStdString(html));
    int links = 0;
    while (matches.hasNext()) {
        const int target = matches.next().captured(1).toInt();
        EXPECT_TRUE(anchors.count(target)) << "link to missing page " << target;
        ++links;
    }
    EXPECT_GT(links, 20);
}

} // namespace
} // namespace tavrin
