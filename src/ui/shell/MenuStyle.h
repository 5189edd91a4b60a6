#pragma once

class QFrame;
class QLabel;

namespace tavrin {

// The teal, raised look shared by the top menu and the quiz managers.
void StyleMenuPanel(QFrame& panel, QLabel& title);

} // namespace tavrin
