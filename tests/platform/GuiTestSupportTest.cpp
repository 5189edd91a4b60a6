#include <QCheckBox>
#include <QComboBox>
#include <QWidget>
#include <gtest/gtest-spi.h>

#include "support/GuiTestSupport.h"

namespace tavrin {
namespace {

// Every form test drives its widgets through these helpers, so their typing and
// clicking are exercised there; what no form test shows is that a helper fails
// the test when the widget cannot be used, instead of passing silently.
class Controls : public ::testing::Test {
protected:
    Controls() {
        form.setObjectName("TSampleForm");
        check->setObjectName("CheckBox1");
        combo->setObjectName("ComboBox1");
        combo->addItems({"8", "10", "12"});
        form.show();
    }

    QWidget form;
    QCheckBox* check = new QCheckBox("&Bold", &form);
    QComboBox* combo = new QComboBox(&form);
};

TEST_F(Controls, MissingOrUnusableWidgetsFailTheTest) {
    EXPECT_NONFATAL_FAILURE(test::click(form, "NoSuchBtn"), "NoSuchBtn");
    EXPECT_NONFATAL_FAILURE(test::chooseItem(form, "ComboBox1", "99"), "no entry 99");
    check->setEnabled(false);
    EXPECT_NONFATAL_FAILURE(test::click(form, "CheckBox1"), "cannot be clicked");
}

} // namespace
} // namespace tavrin
