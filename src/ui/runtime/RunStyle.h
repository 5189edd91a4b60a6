#pragma once

#include "platform/PlatformConversions.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

class QWidget;

namespace tavrin {

// Colours, fonts and texts of the quiz screens as the settings store them.

// Fills the widget's background with the colour (its own, not inherited).
void PaintBackground(QWidget& widget, std::uint32_t colour);
void PaintText(QWidget& widget, std::uint32_t colour);

// The font stored as "size colour style face"; `colour` receives its colour.
QFont StoredFont(std::string_view spec, QColor& colour);

// " text " as the boxes' captions put it.
QString BoxCaption(std::string_view stored);

} // namespace tavrin
