#include "ui/runtime/ChoiceLabel.h"

#include <QMouseEvent>

namespace tavrin {

ChoiceLabel::ChoiceLabel(int tag, const QString& name, QWidget* parent)
    : QLabel(parent), tag_(tag) {
    setObjectName(name);
}

void ChoiceLabel::setTextColour(const QColor& colour) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, colour);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
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
