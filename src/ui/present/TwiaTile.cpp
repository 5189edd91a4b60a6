#include "ui/present/TwiaTile.h"

#include <QPainter>

namespace tavrin {

TwiaTile::TwiaTile(QWidget* parent) : QWidget(parent) {
    resize(64, 64);
}

void TwiaTile::setImage(const QImage& image) {
    image_ = image.copy();
    if (!image_.isNull())
        tranColor_ = image_.pixelColor(0, image_.height() - 1);
    rebuild();
}

void TwiaTile::setTransparent(bool transparent) {
    if (transparent == transparent_)
        return;
    transparent_ = transparent;
    rebuild();
}

void TwiaTile::setTranColor(const QColor& colour) {
    tranColor_ = colour;
    rebuild();
}

void TwiaTile::rebuild() {
    if (image_.isNull() || !transparent_) {
        tile_ = image_;
        update();
        return;
    }
    tile_ = image_.convertToFormat(QImage::Format_ARGB32);
    const QRgb clear = tranColor_.rgb() & RGB_MASK;
    for (int y = 0; y < tile_.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(tile_.scanLine(y));
        for (int x = 0; x < tile_.width(); ++x) {
            if ((line[x] & RGB_MASK) == clear)
                line[x] = 0;
        }
    }
    update();
}

void TwiaTile::paintEvent(QPaintEvent*) {
    if (tile_.width() <= 0 || tile_.height() <= 0)
        return;
    QPainter painter(this);
    for (int top = 0; top < height(); top += tile_.height()) {
        for (int left = 0; left < width(); left += tile_.width())
            painter.drawImage(left, top, tile_);
    }
}

} // namespace tavrin
