#pragma once

#include <QPixmap>
#include <QWidget>

namespace tavrin {

// Fills its area with one small picture repeated edge to edge. Stands in for
// the wallpaper control of the screen designers until that control exists;
// the menus only need the look, not the designer's transparency.
class TiledBackground : public QWidget {
    Q_OBJECT
public:
    explicit TiledBackground(QWidget* parent = nullptr);

    void setTile(const QPixmap& tile);
    const QPixmap& tile() const { return tile_; }

    // A soft teal weave drawn in code, so no picture file is needed.
    static QPixmap DefaultTile();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap tile_;
};

} // namespace tavrin
