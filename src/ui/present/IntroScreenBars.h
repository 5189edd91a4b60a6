#pragma once

#include <QRect>

class QWidget;

namespace tavrin {

class ProgramScreens;
class ProgramWindow;

// Puts the introduction's menu bar, title bar and status bar on a screen of
// fixed size and returns the area left between them for the background and
// the text window. A bar is as high as twice its font's point size; the menu
// shows About and Help only when the program has an about box or help file;
// its entries are the actions "Close1", "About1" and "Help1".
QRect AddIntroductionBars(QWidget& screen, const ProgramScreens& screens,
                          const ProgramWindow& window);

} // namespace tavrin
