#include "ui/shell/TiledBackground.h"

#include <QPainter>

namespace tavrin {

TiledBackground::TiledBackground(QWidget* parent) : QWidget(parent), tile_(DefaultTile()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TiledBackground::setTile(const QPixmap& tile) {
    tile_ = tile.isNull() ? DefaultTile() : tile;
    update();
}

QPixmap TiledBackground::DefaultTile() {
    constexpr int kSize = 32;
    QPixmap tile(kSize, kSize);
    tile.fill(QColor(0, 110, 110));
    QPainter painter(&tile);
    painter.setPen(QColor(0, 128, 128));
    for (int i = 0; i < kSize; i += 4) {
        painter.drawLine(i, 0, kSize - 1, kSize - 1 - i);
        painter.drawLine(0, i, kSize - 1 - i, kSize - 1);
    }
    painter.setPen(QColor(0, 92, 92));
    painter.drawRect(0, 0, kSize - 1, kSize - 1);
    return tile;
}

void TiledBackground::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawTiledPixmap(rect(), tile_);
}

} // namespace tavrin
