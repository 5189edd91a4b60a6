#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>
#include <gtest/gtest-spi.h>

#include "support/GuiTestSupport.h"

namespace tavrin {
namespace {

// A form-like widget with one control of each kind the helpers handle.
class Controls : public ::testing::Test {
protected:
    Controls() {
        form.setObjectName("TSampleForm");
        id->setObjectName("QuestID");
        notes->setObjectName("Memo1");
        check->setObjectName("CheckBox1");
        combo->setObjectName("ComboBox1");
        id->setMaxLength(5);
        id->setText("old");
        combo->addItems({"8", "10", "12"});
        form.show();
    }

    QWidget form;
    QLineEdit* id = new QLineEdit(&form);
    QPlainTextEdit* notes = new QPlainTextEdit(&form);
    QCheckBox* check = new QCheckBox("&Bold", &form);
    QComboBox* combo = new QComboBox(&form);
};

TEST_F(Controls, TypingCheckingAndChoosingActAsAUserWould) {
    test::typeInto(form, "QuestID", "ABCDEFG");
    EXPECT_EQ(id->text(), "ABCDE") << "within the length limit";
    test::typeInto(form, "QuestID", "");
    EXPECT_EQ(id->text(), "");
    test::typeInto(form, "Memo1", "line 1\nline 2");
    EXPECT_EQ(test::textOf(form, "Memo1"), "line 1\nline 2");

    int clicks = 0;
    QObject::connect(check, &QCheckBox::clicked, [&clicks] { ++clicks; });
    test::setChecked(form, "CheckBox1", true);
    test::setChecked(form, "CheckBox1", true);
    EXPECT_TRUE(check->isChecked());
    EXPECT_EQ(clicks, 1) << "a click only when the state differs";

    test::chooseItem(form, "ComboBox1", "12");
    EXPECT_EQ(combo->currentIndex(), 2);
    EXPECT_EQ(test::textOf(form, "ComboBox1"), "12");
}

TEST_F(Controls, MissingOrUnusableWidgetsFailTheTest) {
    EXPECT_NONFATAL_FAILURE(test::click(form, "NoSuchBtn"), "NoSuchBtn");
    EXPECT_NONFATAL_FAILURE(test::chooseItem(form, "ComboBox1", "99"), "no entry 99");
    check->setEnabled(false);
    EXPECT_NONFATAL_FAILURE(test::click(form, "CheckBox1"), "cannot be clicked");
}

} // namespace
} // namespace tavrin
