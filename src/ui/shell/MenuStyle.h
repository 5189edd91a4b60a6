#pragma once

class QFrame;
class QLabel;
class QWidget;

namespace tavrin {

// The teal, raised look shared by the top menu and the quiz managers.
void StyleMenuPanel(QFrame& panel, QLabel& title);

// A maximised window that nothing maximised (no window manager runs) is made
// to fill the screen, shortly after it is shown.
void FillScreenWhenNotMaximised(QWidget& window);

} // namespace tavrin
