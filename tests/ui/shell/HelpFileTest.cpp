#include "core/files/FileIO.h"
#include "core/project/ProjectState.h"
#include "core/questions/TQARecord.h"
#include "core/questions/TTMRecord.h"
#include "platform/HelpViewer.h"
#include "platform/ScriptedPlatform.h"
#include "ui/present/program/TChangeTextForm.h"
#include "ui/present/program/TDesignAboutForm.h"
#include "ui/present/program/THelpfileForm.h"
#include "ui/present/program/TIntroDesignForm.h"
#include "ui/present/program/TIntroEntryForm.h"
#include "ui/present/program/TProgConfigForm.h"
#include "ui/present/program/TVPDesignTitleForm.h"
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

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextBrowser>
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
    contexts.insert(HelpContextOf(&form));
    if (const auto* dialog = qobject_cast<const PlatformDialog*>(&form))
        contexts.insert(dialog->helpContext());
    for (const QWidget* child : form.findChildren<QWidget*>())
        contexts.insert(HelpContextOf(child));
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
    for (int context : {20,  21,  22,  100, 120, 125, 126, 127, 130, 140,
                        141, 142, 143, 150, 260, 270, 280, 290, 200, 230,
                        400, 405, 440, 450, 460, 465, 470, 475})
        EXPECT_TRUE(contexts.count(context)) << "no form carries " << context;
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

// The viewer opens the manual at the page of a context: the page's heading is
// the first line in view.
QString HeadingInView(HelpViewer& viewer) {
    return viewer.Browser->cursorForPosition(QPoint(4, 4)).block().text();
}

TEST(HelpFileTest, ViewerOpensTheManualAtTheRightPage) {
    HelpViewer viewer;
    viewer.resize(600, 400);
    viewer.show();
    const QString manual = QString::fromStdString(ManualPath().string());
    const std::pair<int, const char*> pages[] = {{100, "Start New Quiz"},
                                                 {120, "Select a Quiz"},
                                                 {141, "The question and answer form"},
                                                 {290, "Prepare Distribution"},
                                                 {1, "Tavrin Author's Manual"},
                                                 {9999, "Tavrin Author's Manual"}};
    for (auto [context, heading] : pages) {
        QString error;
        ASSERT_TRUE(viewer.ShowContext(manual, context, error)) << error.toStdString();
        QCoreApplication::processEvents();
        EXPECT_EQ(HeadingInView(viewer), QString::fromLatin1(heading)) << context;
    }
}

} // namespace
} // namespace tavrin
