#include "core/files/FileIO.h"
#include "core/project/ProjectState.h"
#include "core/questions/QuestionFile.h"
#include "core/topics/TopicFile.h"
#include "support/GuiTestSupport.h"
#include "tests/core/QuestionRecords.h"
#include "ui/shell/QuizProjects.h"
#include "ui/shell/TImportReportForm.h"
#include "ui/shell/TMCmainform.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tavrin {
namespace {

namespace fs = std::filesystem;

// An MC manager on a quiz that already holds one question with information.
class QuestionInterchangeFlowTest : public test::GuiTest {
protected:
    void SetUp() override {
        root = fs::path(temp.path().toStdString());
        StartUpProjectState(state, (root / "tavrin").string(), 24);
        manager = std::make_unique<TMCmainform>(platform, state, services);
        platform.onDialog("TMakeDirForm", [this](QDialog& dialog) {
            test::typeInto(dialog, "DirEdit", QString::fromStdString((root / "QUIZ").string()));
            test::typeInto(dialog, "NameEdit", "sky");
            test::click(dialog, "OKBtn");
        });
        manager->StartBtn->click();
        TTMRecord sun = MCQuestion("Sun", "The sun is a", "star", {"planet"});
        sun.setPreviewEntry("Sun");
        sun.setHasInformation(true);
        QuestionFile(QuestionFilePath(state), QuizKind::MC).WriteQuestion(-1, sun);
        AppendCommandTopic(TopicFilePath(state), "Sun", 2, "sun.bmp,0", "HYPER");
        bank = root / "bank.gift";
        WriteFileAtomically(bank,
                            std::string("::Moon::The moon is a{=satellite ~star ~planet}\n\n"
                                        "::Sun::Essay on the sun{}\n\n"
                                        "::Mars::Mars is{=red ~blue ####The rusty planet.}\n"));
    }

    void AnswerReport(const char* button) {
        platform.onDialog("TImportReportForm", [button](QDialog& dialog) {
            const QString report =
                test::findChild<QPlainTextEdit>(dialog, "ReportMemo")->toPlainText();
            EXPECT_TRUE(report.contains("\"Moon\": imported as Moon")) << report.toStdString();
            test::click(dialog, button);
        });
    }

    QTemporaryDir temp;
    fs::path root;
    fs::path bank;
    ProjectState state;
    ManagerServices services;
    std::unique_ptr<TMCmainform> manager;
};

TEST_F(QuestionInterchangeFlowTest, CancelledImportChangesNothingThenImportAndExport) {
    const std::string questions = ReadFileText(QuestionFilePath(state));
    const std::string topics = ReadFileText(TopicFilePath(state));
    platform.expectOpenFile(QString::fromStdString(bank.string()));
    AnswerReport("CancelBtn");
    manager->ImportBtn->click();
    EXPECT_EQ(ReadFileText(QuestionFilePath(state)), questions);
    EXPECT_EQ(ReadFileText(TopicFilePath(state)), topics);

    platform.expectOpenFile(QString::fromStdString(bank.string()));
    AnswerReport("ImportBtn");
    platform.expectInfo("2 questions added to the quiz.");
    manager->ImportBtn->click();
    EXPECT_EQ(QuestionFile(QuestionFilePath(state), QuizKind::MC).ListQuestionIds(),
              (std::vector<std::string>{"Sun", "Moon", "Mars"}));

    const fs::path out = root / "out.xml";
    platform.expectSaveFile(QString::fromStdString(out.string()));
    platform.expectInfo("The questions were exported to " + QString::fromStdString(out.string()) +
                        "\nSun: its information is not text and is not exported");
    manager->ExportBtn->click();
    EXPECT_NE(ReadFileText(out).find("<text>The rusty planet.</text>"), std::string::npos);
}

TEST_F(QuestionInterchangeFlowTest, UnreadableFilesAreReportedNamingThem) {
    WriteFileAtomically(root / "bank.xml", std::string("<quiz><question>"));
    platform.expectOpenFile(QString::fromStdString((root / "bank.xml").string()));
    platform.expectError(QString::fromStdString((root / "bank.xml").string()) +
                         " cannot be imported: it is not well-formed XML (line 1: Start-end tags "
                         "mismatch)");
    manager->ImportBtn->click();
}

} // namespace
} // namespace tavrin
