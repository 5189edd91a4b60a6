#include <QDialog>
#include <gtest/gtest-spi.h>

#include "platform/ScriptedPlatform.h"
#include "platform/StepAside.h"
#include "support/GuiTestSupport.h"

namespace tavrin {
namespace {

// A platform whose failures are collected, to check what it complains about.
class CapturingPlatform : public ::testing::Test {
protected:
    CapturingPlatform() {
        platform.setFailureHandler([this](const QString& message) { failures << message; });
    }

    ScriptedPlatform platform;
    QStringList failures;
};

// A dialog named like a form.
class SmallForm : public QDialog {
public:
    explicit SmallForm(const QString& name) { setObjectName(name); }
};

TEST_F(CapturingPlatform, EveryDepartureFromTheScriptFailsWithItsText) {
    platform.ShowError("Disk full");
    platform.expectYesNo("Delete this question?", true);
    platform.ShowInfo("Delete this question?");
    EXPECT_FALSE(platform.AskYesNo("Delete that question?")) << "a mismatch answers No";
    platform.expectHelp(100);
    platform.ShowHelp(101);
    SmallForm form("TQAEntryForm");
    EXPECT_EQ(platform.RunModal(form), QDialog::Rejected) << "no handler";
    platform.onDialog("TQAEntryForm", [](QDialog&) {});
    EXPECT_EQ(platform.RunModal(form), QDialog::Rejected) << "a handler that leaves it open";
    EXPECT_FALSE(form.isVisible());
    ASSERT_EQ(failures.size(), 6);
    EXPECT_TRUE(failures[0].contains("error box \"Disk full\"")) << failures[0].toStdString();
    EXPECT_TRUE(failures[2].contains("Delete that question?"));
    EXPECT_TRUE(failures[2].contains("Delete this question?"));
    EXPECT_TRUE(failures[3].contains("101"));
    EXPECT_TRUE(failures[4].contains("TQAEntryForm"));
    EXPECT_TRUE(failures[5].contains("left open"));

    platform.verifyDone(); // reports what the mismatches left in the script
    failures.clear();
    platform.expectInfo("Quiz compiled.");
    platform.onDialog("TQAEntryForm", [](QDialog&) {});
    platform.verifyDone();
    ASSERT_EQ(failures.size(), 2) << "what was never shown is reported once";
    EXPECT_TRUE(failures[0].contains("Quiz compiled."));
    EXPECT_TRUE(failures[1].contains("TQAEntryForm"));
    platform.verifyDone();
    EXPECT_EQ(failures.size(), 2);
}

// A form that runs a nested form while it is out of the way, either hidden
// (which ends a dialog's modal loop) or stepped aside.
class NestingForm : public QDialog {
public:
    NestingForm(ScriptedPlatform& platform, bool hides) : platform_(platform), hides_(hides) {
        setObjectName("TQAEntryForm");
    }
    void openNested() {
        SmallForm nested("TQAInfoForm");
        if (hides_) {
            hide();
            platform_.RunModal(nested);
            show();
        } else {
            StepAside aside(platform_, *this);
            platform_.RunModal(nested);
        }
    }

private:
    ScriptedPlatform& platform_;
    bool hides_;
};

TEST_F(CapturingPlatform, AFormThatEndsItsLoopEarlyFails) {
    for (const bool hides : {true, false}) {
        failures.clear();
        NestingForm form(platform, hides);
        platform.onDialog("TQAEntryForm", [&form](QDialog& shown) {
            form.openNested();
            shown.accept();
        });
        platform.onDialog("TQAInfoForm", [](QDialog& nested) { nested.accept(); });
        EXPECT_EQ(platform.RunModal(form), QDialog::Accepted) << hides;
        EXPECT_FALSE(form.isVisible());
        if (hides) {
            ASSERT_EQ(failures.size(), 1);
            EXPECT_TRUE(failures[0].contains("TQAEntryForm ended its modal loop"))
                << failures[0].toStdString();
        } else {
            EXPECT_TRUE(failures.isEmpty()) << failures.join('\n').toStdString();
        }
    }
    EXPECT_TRUE(platform.calls().contains("step aside: TQAEntryForm"));
}

TEST(ScriptedPlatformWithTestSupport, SurpriseFailsTheRunningTest) {
    ScriptedPlatform platform;
    test::FailTestOnSurprise(platform);
    EXPECT_NONFATAL_FAILURE(platform.ShowError("Cannot open PIC.BMP"), "Cannot open PIC.BMP");
}

} // namespace
} // namespace tavrin
