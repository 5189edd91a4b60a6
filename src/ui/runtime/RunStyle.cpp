#include "ui/runtime/RunStyle.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

#include "core/bytes/Cp1252.h"
#include "core/settings/FontSpec.h"

namespace tavrin {

QColor StoredColour(std::uint32_t value) {
    if ((value & 0xFF000000u) != 0) {
        // System colours: the few the quiz screens may carry.
        const QPalette palette = QApplication::palette();
        switch (value & 0xFFu) {
        case 5: // window background
            return palette.color(QPalette::Base);
        case 8: // window text
            return palette.color(QPalette::Text);
        case 16: // button shadow
            return palette.color(QPalette::Mid);
        default:
            return palette.color(QPalette::Button);
        }
    }
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

void PaintBackground(QWidget& widget, std::uint32_t colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, StoredColour(colour));
    palette.setColor(QPalette::Button, StoredColour(colour));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void PaintText(QWidget& widget, std::uint32_t colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, StoredColour(colour));
    palette.setColor(QPalette::Text, StoredColour(colour));
    palette.setColor(QPalette::ButtonText, StoredColour(colour));
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
    colour = StoredColour(static_cast<std::uint32_t>(font.colour));
    return result;
}

QString BoxCaption(std::string_view stored) {
    return QLatin1Char(' ') + ShownText(stored) + QLatin1Char(' ');
}

} // namespace tavrin
