#pragma once

#include <QString>

class QWidget;

namespace tavrin {

class Platform;

// Gives a form its help context: F1 opens the help file at the context of the
// focused control, or of the nearest container that has one, else the form's.
void InstallHelpKey(QWidget& form, Platform& platform, int helpContext);

// Gives one control (a button, a panel) a help context of its own.
void SetHelpContext(QWidget& widget, int helpContext);

// The context F1 would open for this control.
int HelpContextOf(const QWidget* widget);

} // namespace tavrin
