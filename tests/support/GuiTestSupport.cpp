#include "support/GuiTestSupport.h"

#include <QTest>
#include <QWidget>

namespace tavrin::test {

GuiTest::GuiTest() {
    FailTestOnSurprise(platform);
}

void GuiTest::TearDown() {
    platform.verifyDone();
}

void FailTestOnSurprise(ScriptedPlatform& platform) {
    platform.setFailureHandler(
        [](const QString& message) { ADD_FAILURE() << message.toStdString(); });
}

void click(const QObject& parent, const QString& buttonName) {
    auto* button = findChild<QAbstractButton>(parent, buttonName);
    if (button == nullptr) {
        return;
    }
    if (!button->isVisible() || !button->isEnabled()) {
        ADD_FAILURE() << buttonName.toStdString() << " cannot be clicked (hidden or disabled)";
        return;
    }
    button->click();
}

void typeInto(const QObject& parent, const QString& editName, const QString& text) {
    auto* edit = findChild<QLineEdit>(parent, editName);
    if (edit == nullptr) {
        return;
    }
    edit->selectAll();
    QTest::keyClicks(edit, text);
    if (text.isEmpty()) {
        edit->clear();
    }
}

void pressKey(const QObject& parent, const QString& widgetName, Qt::Key key) {
    auto* widget = findChild<QWidget>(parent, widgetName);
    if (widget != nullptr) {
        QTest::keyClick(widget, key);
    }
}

} // namespace tavrin::test
