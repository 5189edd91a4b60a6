#include "core/files/FileIO.h"
#include "core/project/ProjectState.h"
#include "core/questions/QuestionFile.h"
#include "core/questions/TTMRecord.h"
#include "core/topics/TopicFile.h"
#include "support/GuiTestSupport.h"
#include "ui/questions/TTIEntryForm.h"
#include "ui/shell/QuizProjects.h"
#include "ui/shell/TButtListForm.h"
#include "ui/shell/TMakeDirForm.h"
#include "ui/shell/TTImainform.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>

namespace tavrin {
namespace {

namespace fs = std::filesystem;

const QString kAnother = QStringLiteral("Do you want to add another Question?");

// A TI manager on a fresh quiz state whose program folder is a temporary one.
class ManagerFlowTest : public test::GuiTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        root = fs::path(temp.path().toStdString());
        StartUpProjectState(state, (root / "tavrin").string(), 24);
        services.viewQuestion = [this](QuizManagerForm&, const std::vector<std::uint8_t>& record) {
            viewed = record;
        };
        services.editQuestionInformation = [this](const std::string& id) {
            AppendCommandTopic(state.topicFile, id, 2, "PIC.BMP,0", "HYPER");
            return true;
        };
        manager = std::make_unique<TTImainform>(platform, state, services);
    }
    // Scripts the folder chooser: folder and name typed, then OK.
    void ChooseFolder(const fs::path& folder, const QString& name) {
        platform.onDialog("TMakeDirForm", [folder, name](QDialog& dialog) {
            auto& form = static_cast<TMakeDirForm&>(dialog);
            form.DirEdit->setText(QString::fromStdString(folder.string()));
            form.NameEdit->setText(name);
            form.OKBtn->click();
        });
    }

    // Fills in a new question and saves it; with `information`, first
    // attaches information and leaves with Save (Saved) or Cancel.
    enum class Information { None, Saved, Cancelled };
    void EnterQuestion(const QString& id, const QString& answer,
                       Information information = Information::None) {
        platform.onDialog("TTIEntryForm", [id, answer, information](QDialog& dialog) {
            auto& form = static_cast<TTIEntryForm&>(dialog);
            EXPECT_TRUE(form.QuestID->text().isEmpty()) << "even after a cancelled form";
            form.QuestID->setText(id);
            form.qEdit[0]->setText("Capital of " + id + "?");
            form.CorrectEdit->setText(answer);
            form.AEdit[0]->setText(answer);
            if (information != Information::None)
                form.Button1->click();
            (information == Information::Cancelled ? form.BitBtn2 : form.BitBtn1)->click();
        });
    }

    std::vector<std::string> TopicsOfQuestions() {
        std::vector<std::string> topics;
        ListTopicsForSource(topics, state.topicFile, "HYPER");
        return topics;
    }

    void PickFromList(int index, const QString& caption) {
        platform.onDialog("TButtListForm", [index, caption](QDialog& dialog) {
            auto& form = static_cast<TButtListForm&>(dialog);
            EXPECT_EQ(form.windowTitle(), caption);
            form.ListBox1->setCurrentRow(index);
            form.OKBitBtn->click();
        });
    }

    QString LastCall() { return platform.calls().isEmpty() ? QString() : platform.calls().last(); }

    std::vector<std::string> StoredIds() {
        return QuestionFile(QuestionFilePath(state), QuizKind::TI).ListQuestionIds();
    }

    void ExpectEnabled(bool quiz, bool questions) {
        TTImainform& m = *manager;
        for (QPushButton* button : {m.AddBtn, m.CustChapBtn, m.CustBookBtn})
            EXPECT_EQ(button->isEnabled(), quiz) << button->objectName().toStdString();
        for (QPushButton* button : {m.EditBtn, m.ViewBtn, m.DeleteBtn, m.PreviewBtn, m.CompileBtn,
                                    m.ExecBtn, m.DistribBtn})
            EXPECT_EQ(button->isEnabled(), questions) << button->objectName().toStdString();
    }

    QTemporaryDir temp;
    fs::path root;
    ProjectState state;
    ManagerServices services;
    std::vector<std::uint8_t> viewed;
    std::unique_ptr<TTImainform> manager;
};

TEST_F(ManagerFlowTest, WholeQuestionLifeCycle) {
    const fs::path folder = root / "GEOGRAPHY";
    ChooseFolder(folder, "capitals");
    manager->StartBtn->click();
    const fs::path quizFile = folder / "capitals.TIJ";
    ASSERT_TRUE(fs::exists(quizFile));
    EXPECT_EQ(manager->ProjectLbl->text(), "capitals");
    ExpectEnabled(true, false);
    EXPECT_EQ(manager->focusWidget(), manager->AddBtn);

    platform.onDialog("TQCustForm",
                      [](QDialog& menu) { menu.findChild<QPushButton*>("CloseBtn")->click(); });
    manager->CustChapBtn->click();
    platform.onDialog("TProgConfigForm", [](QDialog& form) { form.reject(); });
    manager->CustBookBtn->click();
    platform.expectError(QString::fromStdString(
        "The Tutorial file " + (root / "DRAVLEN.RTF").string() + " was not found"));
    manager->TutBtn->click();

    EnterQuestion("DROPPED", "x", Information::Cancelled);
    EnterQuestion("FRANCE", "Paris", Information::Saved);
    EnterQuestion("ITALY", "Rome");
    EnterQuestion("SPAIN", "Madrid");
    for (bool another : {true, true, true, false})
        platform.expectYesNo(kAnother, another);
    manager->AddBtn->click();
    EXPECT_EQ(StoredIds(), (std::vector<std::string>{"FRANCE", "ITALY", "SPAIN"}));
    EXPECT_EQ(TopicsOfQuestions(), std::vector<std::string>{"FRANCE"});
    EXPECT_TRUE(
        QuestionFile(QuestionFilePath(state), QuizKind::TI).ReadTMRecord(0).hasInformation());
    ExpectEnabled(true, true);
    EXPECT_EQ(manager->focusWidget(), manager->AddBtn);

    PickFromList(1, "Select a Question to Edit");
    platform.onDialog("TTIEntryForm", [](QDialog& dialog) {
        auto& form = static_cast<TTIEntryForm&>(dialog);
        EXPECT_EQ(form.QuestID->text(), "ITALY");
        EXPECT_FALSE(form.QuestID->isEnabled());
        form.AEdit[1]->setText("Roma");
        form.BitBtn1->click();
    });
    manager->EditBtn->click();
    const TTMRecord italy = QuestionFile(QuestionFilePath(state), QuizKind::TI).ReadTMRecord(1);
    EXPECT_EQ(italy.match(2), "Roma");

    PickFromList(2, "Select a Question to View");
    manager->ViewBtn->click();
    EXPECT_EQ(viewed, QuestionFile(QuestionFilePath(state), QuizKind::TI).ReadQuestion(2));

    for (bool confirmed : {false, true}) {
        PickFromList(0, "Select a Question to Delete");
        platform.expectYesNo("Question \"FRANCE\" will be deleted.\n\r\n\rContinue?", confirmed);
        manager->DeleteBtn->click();
    }
    EXPECT_EQ(StoredIds(), (std::vector<std::string>{"ITALY", "SPAIN"}));
    EXPECT_TRUE(TopicsOfQuestions().empty()) << "the question's information goes with it";
    EXPECT_EQ(manager->focusWidget(), manager->DeleteBtn);

    for (const char* id : {"ITALY", "SPAIN"}) {
        PickFromList(0, "Select a Question to Delete");
        platform.expectYesNo(QStringLiteral("Question \"%1\" will be deleted.\n\r\n\rContinue?")
                                 .arg(QLatin1String(id)),
                             true);
        manager->DeleteBtn->click();
    }
    EXPECT_FALSE(fs::exists(QuestionFilePath(state)));
    ExpectEnabled(true, false);
    EXPECT_EQ(manager->focusWidget(), manager->AddBtn);
}

// A folder typed without its path lies below the one the chooser shows (the
// quiz folder); a quiz that cannot be made, for a folder that cannot be
// created or a name too long, leaves the previous one current and no folder
// made for it behind.
TEST_F(ManagerFlowTest, RelativeFolderLiesBelowTheShownOneAndAFailedStartKeepsThePrevious) {
    ChooseFolder(root / "Q", "FIRST");
    manager->StartBtn->click();
    ChooseFolder("Sub", "SECOND");
    manager->StartBtn->click();
    EXPECT_TRUE(fs::is_regular_file(root / "Q" / "Sub" / "SECOND.TIJ"));
    EXPECT_EQ(manager->ProjectLbl->text(), "SECOND");
    const fs::path second = state.quizFile;

    WriteFileAtomically(root / "plainfile", std::string("not a folder"));
    ChooseFolder(root / "plainfile" / "deeper", "THIRD");
    platform.expectError("Unable to create the directory");
    manager->StartBtn->click();
    EXPECT_EQ(state.quizFile, second);

    ChooseFolder("Other", QString(300, 'N'));
    platform.setFailureHandler([](const QString&) {});
    manager->StartBtn->click();
    EXPECT_TRUE(LastCall().startsWith("error: ")) << LastCall().toStdString();
    EXPECT_EQ(manager->ProjectLbl->text(), "SECOND");
    EXPECT_EQ(state.quizFile, second);
    EXPECT_FALSE(fs::exists(root / "Q" / "Sub" / "Other"));
    EXPECT_EQ(fs::current_path(), root / "Q" / "Sub");
}

// A quiz file cut short is refused naming it; a picked quiz opens under its
// name in upper case, and a cancelled pick keeps it.
TEST_F(ManagerFlowTest, SelectingAQuizOpensItCancellingKeepsItAndABrokenFileIsRefused) {
    ChooseFolder(root / "Q", "Picked");
    manager->StartBtn->click();
    EnterQuestion("P1", "p");
    platform.expectYesNo(kAnother, false);
    manager->AddBtn->click();

    state.quizFile.clear();
    auto other = std::make_unique<TTImainform>(platform, state, services);
    const fs::path broken = root / "BROKEN.TIJ";
    WriteFileAtomically(broken, std::string(100, '\0'));
    platform.expectOpenFile(QString::fromStdString(broken.string()));
    platform.setFailureHandler([](const QString&) {});
    other->SelectBtn->click();
    EXPECT_TRUE(LastCall().startsWith("error: ")) << LastCall().toStdString();
    EXPECT_TRUE(LastCall().contains("BROKEN.TIJ")) << LastCall().toStdString();
    EXPECT_EQ(other->ProjectLbl->text(), "None Selected");
    test::FailTestOnSurprise(platform);

    platform.expectOpenFile(QString::fromStdString((root / "Q" / "picked.tij").string()));
    other->SelectBtn->click();
    EXPECT_EQ(other->ProjectLbl->text(), "PICKED");
    EXPECT_EQ(QuestionFile(QuestionFilePath(state), QuizKind::TI).ListQuestionIds(),
              std::vector<std::string>{"P1"});

    platform.expectOpenFile(std::nullopt);
    other->SelectBtn->click();
    EXPECT_EQ(other->ProjectLbl->text(), "PICKED");
    EXPECT_EQ(other->focusWidget(), other->AddBtn);
}

} // namespace
} // namespace tavrin
