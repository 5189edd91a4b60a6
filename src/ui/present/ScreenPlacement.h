#pragma once

#include <QRect>

class QWidget;

namespace tavrin {

// Places a window of its present size in the middle of the screen's work
// area. The window's inside is centred, so a 640 x 480 window covers the
// design area exactly.
void CentreOnScreen(QWidget& window);

// The 640 x 480 design area on the screen, on which view ports are laid out.
QRect DesignAreaOnScreen();

} // namespace tavrin
