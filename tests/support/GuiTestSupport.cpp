#include "support/GuiTestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>
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
    if (button == nullptr)
        return;
    if (!button->isVisible() || !button->isEnabled()) {
        ADD_FAILURE() << buttonName.toStdString() << " cannot be clicked (hidden or disabled)";
        return;
    }
    button->click();
}

void typeInto(const QObject& parent, const QString& editName, const QString& text) {
    auto* widget = findChild<QWidget>(parent, editName);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->selectAll();
        edit->del();
        QTest::keyClicks(edit, text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        plain->setPlainText(text);
    } else if (auto* rich = qobject_cast<QTextEdit*>(widget)) {
        rich->setPlainText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->isEditable()) {
        combo->setEditText(text);
    } else if (widget != nullptr) {
        ADD_FAILURE() << editName.toStdString() << " cannot be typed into";
    }
}

QString textOf(const QObject& parent, const QString& widgetName) {
    auto* widget = findChild<QWidget>(parent, widgetName);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget))
        return plain->toPlainText();
    if (auto* rich = qobject_cast<QTextEdit*>(widget))
        return rich->toPlainText();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->currentText();
    if (widget != nullptr)
        ADD_FAILURE() << widgetName.toStdString() << " has no text";
    return {};
}

void setChecked(const QObject& parent, const QString& buttonName, bool checked) {
    auto* button = findChild<QAbstractButton>(parent, buttonName);
    if (button != nullptr && button->isChecked() != checked)
        click(parent, buttonName);
}

void chooseItem(const QObject& parent, const QString& widgetName, const QString& itemText) {
    auto* widget = findChild<QWidget>(parent, widgetName);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        const int index = combo->findText(itemText);
        if (index < 0)
            ADD_FAILURE() << widgetName.toStdString() << " has no entry " << itemText.toStdString();
        combo->setCurrentIndex(index);
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        const QList<QListWidgetItem*> found = list->findItems(itemText, Qt::MatchExactly);
        if (found.isEmpty()) {
            ADD_FAILURE() << widgetName.toStdString() << " has no entry " << itemText.toStdString();
            return;
        }
        list->setCurrentItem(found.first());
    } else if (widget != nullptr) {
        ADD_FAILURE() << widgetName.toStdString() << " is neither a combo box nor a list";
    }
}

void pressKey(const QObject& parent, const QString& widgetName, Qt::Key key) {
    auto* widget = findChild<QWidget>(parent, widgetName);
    if (widget != nullptr)
        QTest::keyClick(widget, key);
}

void sendMouse(QWidget& target, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons held) {
    QMouseEvent event(type, at, target.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&target, &event);
}

void dragWithin(QWidget& target, QPoint from, QPoint to) {
    sendMouse(target, QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
    sendMouse(target, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    sendMouse(target, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    sendMouse(target, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

void triggerMenu(const QObject& form, const QString& entryText) {
    auto* menu = findChild<QMenu>(form, QStringLiteral("PopupMenu1"));
    if (menu == nullptr)
        return;
    for (QAction* action : menu->actions()) {
        if (action->text() == entryText) {
            action->trigger();
            return;
        }
    }
    ADD_FAILURE() << "no menu entry " << entryText.toStdString();
}

} // namespace tavrin::test
