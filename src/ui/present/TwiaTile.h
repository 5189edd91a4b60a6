#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace tavrin {

// A bitmap tiled from the top-left corner over the whole control. With
// `Transparent` set, every pixel of the colour `TranColor` lets the parent's
// drawing show through.
class TwiaTile : public QWidget {
    Q_OBJECT

public:
    explicit TwiaTile(QWidget* parent = nullptr);

    // The control keeps its own copy; an empty image empties it.
    const QImage& Image() const { return image_; }
    void setImage(const QImage& image);

    bool Transparent() const { return transparent_; }
    void setTransparent(bool transparent);

    // Taken from the picture's bottom-left pixel whenever the picture changes.
    QColor TranColor() const { return tranColor_; }
    void setTranColor(const QColor& colour);

    QSize sizeHint() const override { return {64, 64}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The picture as painted: the transparent colour made clear when asked.
    void rebuild();

    QImage image_;
    QImage tile_;
    bool transparent_ = false;
    QColor tranColor_;
};

} // namespace tavrin
