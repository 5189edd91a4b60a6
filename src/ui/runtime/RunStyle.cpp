#include "ui/runtime/RunStyle.h"

#include <QPalette>
#include <QWidget>

#include "core/bytes/Cp1252.h"
#include "core/settings/FontSpec.h"

namespace tavrin {

void PaintBackground(QWidget& widget, std::uint32_t colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, ColourFromValue(colour));
    palette.setColor(QPalette::Button, ColourFromValue(colour));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void PaintText(QWidget& widget, std::uint32_t colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, ColourFromValue(colour));
    palette.setColor(QPalette::Text, ColourFromValue(colour));
    palette.setColor(QPalette::ButtonText, ColourFromValue(colour));
    widget.setPalette(palette);
}

QFont StoredFont(std::string_view spec, QColor& colour) {
    FontSpec font;
    TextToFont(spec, font);
    QFont result(QString::fromStdString(font.name));
    result.setPointSize(font.size > 0 ? font.size : 10);
    result.setBold((font.style & FontSpec::kBold) != 0);
    result.setItalic((font.style & FontSpec::kItalic) != 0);
    result.setUnderline((font.style & FontSpec::kUnderline) != 0);
    result.setStrikeOut((font.style & FontSpec::kStrikeOut) != 0);
    colour = ColourFromValue(static_cast<std::uint32_t>(font.colour));
    return result;
}

QString BoxCaption(std::string_view stored) {
    return QLatin1Char(' ') + ShownText(stored) + QLatin1Char(' ');
}

} // namespace tavrin
