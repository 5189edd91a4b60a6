#include "core/questions/TQARecord.h"
#include "core/questions/TTMRecord.h"
#include "support/GuiTestSupport.h"
#include "tests/core/QuestionRecords.h"
#include "ui/questions/TMCEntryForm.h"
#include "ui/questions/TQAEntryForm.h"
#include "ui/questions/TTIEntryForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace tavrin {
namespace {

// Drives the entry forms through the scripted platform. The stored
// identifiers and the topic removals are kept here instead of in files.
class EntryFormTest : public test::GuiTest {
protected:
    EntryContext Context() {
        EntryContext context{platform, {}, {}, {}, {}, nullptr};
        context.identifierInUse = [this](std::string_view newId, std::string_view openingId) {
            std::string upper(newId);
            for (char& c : upper)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            return upper != openingId && takenIds.count(upper) > 0;
        };
        context.editInformation = [this](const std::string& id) {
            informationEdits.push_back(id);
            return attachInformation;
        };
        context.deleteTopic = [this](const std::string& id) { deletedTopics.push_back(id); };
        context.setCurrentQuestionId = [](const std::string&) {};
        return context;
    }

    // Presses save and expects the message, with the focus then on `field`.
    template <typename Form>
    void ExpectRefused(Form& form, QPushButton* save, const char* message, QWidget* field) {
        platform.expectError(QString::fromLatin1(message));
        save->click();
        EXPECT_TRUE(form.isVisible()) << message;
        EXPECT_EQ(form.focusWidget(), field) << message;
    }

    // The TI and MC forms check identifier, correct answer and question
    // lines in this order; each is filled in after its refusal (the question
    // into line 3, so that any line counts).
    template <typename Form>
    void ExpectLinesRefusedInOrder(Form& form, const char* id, const char* correct,
                                   const char* question) {
        ExpectRefused(form, form.BitBtn1, "The Question Identifier must be entered.", form.QuestID);
        form.QuestID->setText(id);
        ExpectRefused(form, form.BitBtn1, "A Correct Answer must be entered.", form.CorrectEdit);
        form.CorrectEdit->setText(correct);
        ExpectRefused(form, form.BitBtn1, "A Question must be entered.", form.qEdit[0]);
        form.qEdit[2]->setText(question);
    }

    std::set<std::string> takenIds;
    bool attachInformation = true;
    std::vector<std::string> informationEdits;
    std::vector<std::string> deletedTopics;
};

TEST_F(EntryFormTest, QAFormReportsMissingFieldsInOrderAndStoresOnSave) {
    TQARecord record;
    platform.onDialog("TQAEntryForm", [this](QDialog& dialog) {
        auto& form = static_cast<TQAEntryForm&>(dialog);
        ExpectRefused(form, form.BitBtn2, "The Question Identifier must be entered.", form.QuestID);
        form.QuestID->setText("Q1");
        ExpectRefused(form, form.BitBtn2, "A Question must be entered.", form.QuestEdit);
        form.QuestEdit->setText("Which planet is red?");
        ExpectRefused(form, form.BitBtn2, "An Answer must be entered.", form.AnswerEdit);
        form.AnswerEdit->setText("Mars");
        form.BitBtn2->click();
    });
    EXPECT_TRUE(RunQAEntryForm(Context(), record));
    EXPECT_EQ(record.answer(), "Mars");
}

TEST_F(EntryFormTest, MCFormReportsMissingFieldsInOrder) {
    TTMRecord record;
    platform.onDialog("TMCEntryForm", [this](QDialog& dialog) {
        auto& form = static_cast<TMCEntryForm&>(dialog);
        ExpectLinesRefusedInOrder(form, "M1", "Four", "How many players in a string quartet?");
        ExpectRefused(form, form.BitBtn1, "A Wrong Answer must be entered.", form.AEdit[0]);
        form.AEdit[2]->setText("Three");
        form.BitBtn1->click();
    });
    EXPECT_TRUE(RunMCEntryForm(Context(), record));
    EXPECT_EQ(record.wrongAnswer(1), "Three");
    EXPECT_EQ(record.wrongAnswer(3), "");
}

TEST_F(EntryFormTest, TIFormReportsMissingFieldsInOrderAndPacksTheMatches) {
    TTMRecord record;
    platform.onDialog("TTIEntryForm", [this](QDialog& dialog) {
        auto& form = static_cast<TTIEntryForm&>(dialog);
        ExpectLinesRefusedInOrder(form, "T1", "Rome", "Capital of Italy?");
        ExpectRefused(form, form.BitBtn1, "A Match must be entered.", form.AEdit[0]);
        form.AEdit[3]->setText("Rome");
        form.AEdit[6]->setText("Roma");
        form.PreviewEdit->setText("Italy");
        form.BitBtn1->click();
    });
    ASSERT_TRUE(RunTIEntryForm(Context(), record));
    EXPECT_EQ(record.match(1), "Rome");
    EXPECT_EQ(record.match(2), "Roma");
    EXPECT_EQ(record.match(3), "");
    EXPECT_EQ(record.previewEntry(), "Italy");
}

TEST_F(EntryFormTest, IdentifierInUseIsRefusedOnLeavingTheFieldAndOnSave) {
    takenIds = {"Q1"};
    TQARecord record;
    platform.onDialog("TQAEntryForm", [this](QDialog& dialog) {
        auto& form = static_cast<TQAEntryForm&>(dialog);
        form.QuestID->setText("q1");
        platform.expectError("That Identifier is already in use.");
        form.QuestIDExit();
        EXPECT_EQ(form.QuestID->text(), "");
        EXPECT_EQ(form.focusWidget(), form.QuestID);

        form.QuestID->setText("Q1");
        form.QuestEdit->setText("q");
        form.AnswerEdit->setText("a");
        ExpectRefused(form, form.BitBtn2, "That Identifier is already in use.", form.QuestID);
        form.QuestID->setText("Q2");
        form.QuestIDExit();
        form.BitBtn2->click();
    });
    EXPECT_TRUE(RunQAEntryForm(Context(), record));
    EXPECT_EQ(record.identifier(), "Q2");
}

TEST_F(EntryFormTest, InformationAttachedToAnUnsavedQuestionIsRemoved) {
    TQARecord record;
    platform.onDialog("TQAEntryForm", [this](QDialog& dialog) {
        auto& form = static_cast<TQAEntryForm&>(dialog);
        form.QuestID->setText("NEWQ");
        form.Button1->click();
        EXPECT_FALSE(form.QuestID->isEnabled()) << "an identifier with information stays";
        form.BitBtn1->click();
    });
    EXPECT_FALSE(RunQAEntryForm(Context(), record));
    EXPECT_EQ(informationEdits, std::vector<std::string>{"NEWQ"});
    EXPECT_EQ(deletedTopics, std::vector<std::string>{"NEWQ"});
    EXPECT_EQ(record, TQARecord());
}

TEST_F(EntryFormTest, DeletedInformationIsKeptOnCancelAndRemovedOnSave) {
    TTMRecord record = TIQuestion("T1", "q", {"a"}, "a");
    record.setHasInformation(true);
    const TTMRecord before = record;
    platform.onDialog("TTIEntryForm", [](QDialog& dialog) {
        auto& form = static_cast<TTIEntryForm&>(dialog);
        form.Button2->click();
        EXPECT_TRUE(form.Panel1->text().isEmpty());
        form.BitBtn2->click();
    });
    // Deleted, then edited again: still the information the question came with.
    platform.onDialog("TTIEntryForm", [](QDialog& dialog) {
        auto& form = static_cast<TTIEntryForm&>(dialog);
        form.Button2->click();
        form.Button1->click();
        EXPECT_FALSE(form.Panel1->text().isEmpty());
        form.BitBtn2->click();
    });
    EXPECT_FALSE(RunTIEntryForm(Context(), record));
    EXPECT_FALSE(RunTIEntryForm(Context(), record));
    EXPECT_EQ(record, before);
    EXPECT_TRUE(deletedTopics.empty());

    platform.onDialog("TTIEntryForm", [](QDialog& dialog) {
        auto& form = static_cast<TTIEntryForm&>(dialog);
        form.Button2->click();
        form.BitBtn1->click();
    });
    EXPECT_TRUE(RunTIEntryForm(Context(), record));
    EXPECT_FALSE(record.hasInformation());
    EXPECT_EQ(deletedTopics, std::vector<std::string>{"T1"});
}

TEST_F(EntryFormTest, AddEditNeedsAnIdentifierAndAMenuThatAddsNothingLeavesNoTick) {
    attachInformation = false;
    TQARecord record;
    platform.onDialog("TQAEntryForm", [this](QDialog& dialog) {
        auto& form = static_cast<TQAEntryForm&>(dialog);
        platform.expectError("The Question Identifier must be entered.");
        form.Button1->click();
        form.QuestID->setText("Q9");
        form.Button1->click();
        EXPECT_TRUE(form.Panel1->text().isEmpty());
        EXPECT_TRUE(form.QuestID->isEnabled());
        form.QuestEdit->setText("q");
        form.AnswerEdit->setText("a");
        form.BitBtn2->click();
    });
    EXPECT_TRUE(RunQAEntryForm(Context(), record));
    EXPECT_EQ(informationEdits, std::vector<std::string>{"Q9"});
    EXPECT_FALSE(record.hasInformation());
}

} // namespace
} // namespace tavrin
