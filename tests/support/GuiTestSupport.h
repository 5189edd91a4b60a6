#pragma once

#include <QAbstractButton>
#include <QDialog>
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
// Replaces the text of the named line edit as if typed.
void typeInto(const QObject& parent, const QString& editName, const QString& text);
// Sends one key press (and release) to the named widget.
void pressKey(const QObject& parent, const QString& widgetName, Qt::Key key);

} // namespace tavrin::test
