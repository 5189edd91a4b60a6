#include "ui/runtime/ChoiceLabel.h"

#include <QMouseEvent>

namespace tavrin {

ChoiceLabel::ChoiceLabel(int tag, const QString& name, QWidget* parent)
    : QLabel(parent), tag_(tag) {
    setObjectName(name);
    setTextFormat(Qt::PlainText); // a question or answer as the author typed it
}

void ChoiceLabel::setTextColour(const QColor& colour) {
    // Every colour group: a label in a disabled box still shows its colour.
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, colour);
    setPalette(palette);
}

void ChoiceLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit clicked(tag_);
    QLabel::mousePressEvent(event);
}

void ChoiceLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit doubleClicked(tag_);
    QLabel::mouseDoubleClickEvent(event);
}

} // namespace tavrin
