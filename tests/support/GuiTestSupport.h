#pragma once

#include <QAbstractButton>
#include <QDialog>
#include <QEvent>
#include <QLineEdit>
#include <QString>
#include <gtest/gtest.h>

#include "platform/ScriptedPlatform.h"

namespace tavrin::test {

// Base fixture of GUI tests: a ScriptedPlatform whose surprises fail the
// test, and a check at the end that the whole script was used.
class GuiTest : public ::testing::Test {
protected:
    GuiTest();
    void TearDown() override;

    ScriptedPlatform platform;
};

// Routes a ScriptedPlatform's failures to the running test.
void FailTestOnSurprise(ScriptedPlatform& platform);

// The child of `parent` with this objectName and type; fails the test and
// returns nullptr when there is none.
template <typename T> T* findChild(const QObject& parent, const QString& name) {
    T* child = parent.findChild<T*>(name);
    if (child == nullptr) {
        ADD_FAILURE() << "No " << name.toStdString() << " of the wanted type in "
                      << parent.objectName().toStdString();
    }
    return child;
}

// Clicks the named button; fails the test when it is missing, hidden or disabled.
void click(const QObject& parent, const QString& buttonName);
// Replaces the text of the named edit as if typed. Works on line edits
// (their length limit applies), plain and rich text edits, and editable
// combo boxes.
void typeInto(const QObject& parent, const QString& editName, const QString& text);
// The text of the named edit, label, button or combo box.
QString textOf(const QObject& parent, const QString& widgetName);
// Clicks the named check box or radio button when its state differs.
void setChecked(const QObject& parent, const QString& buttonName, bool checked);
// Picks the entry of the named combo box or list that has this text.
void chooseItem(const QObject& parent, const QString& widgetName, const QString& itemText);
// Triggers the entry with this text of the form's pop-up menu "PopupMenu1".
void triggerMenu(const QObject& form, const QString& entryText);
// Sends one key press (and release) to the named widget.
void pressKey(const QObject& parent, const QString& widgetName, Qt::Key key);
// Sends one mouse event at a point of the widget, in its own coordinates.
void sendMouse(QWidget& target, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons held);
// Hovers at `from`, presses there, moves to `to` and lets go (coordinates of
// the widget at the start of the drag), as a stretch handle is dragged.
void dragWithin(QWidget& target, QPoint from, QPoint to);

} // namespace tavrin::test
