#pragma once

#include <QColor>
#include <QCursor>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <vector>

#include "core/settings/HandleGeometry.h"

#include <QRubberBand>

namespace tavrin {

// Sizing handles drawn around one or more controls of the same parent. The
// author drags the controls, or resizes a single one by its corners and
// sides, with the mouse; the arrow keys move them by one pixel.
class TStretchHandle : public QWidget {
    Q_OBJECT
public:
    explicit TStretchHandle(QWidget* parent = nullptr);
    ~TStretchHandle() override;

    // Throws std::invalid_argument for a window (a form takes no handles).
    void Attach(QWidget* control);
    void Detach();
    int attachedCount() const;
    bool isAttached(const QWidget* control) const;

    QColor Color = Qt::black;
    QColor SecondaryColor = QColor(0x80, 0x80, 0x80);
    QCursor DragCursor = QCursor(Qt::SizeAllCursor);

    int GridX() const { return gridX_; }
    int GridY() const { return gridY_; }
    void setGridX(int grid);
    void setGridY(int grid);
    bool SnapToGrid() const { return gridX_ >= 2 || gridY_ >= 2; }
    void setSnapToGrid(bool snap);

    bool Locked() const { return locked_; }
    void setLocked(bool locked) { locked_ = locked; }

    DragMode dragMode() const { return dragMode_; }
    bool dragging() const { return dragging_; }

    // Moves the attached controls along with the handle's own rectangle.
    void SetBounds(const QRect& bounds);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::vector<QRect> grownRects() const;
    bool insideGrownRect(const QPoint& local) const;
    void passOnMouseEvent(QMouseEvent* event);
    void chooseModeAndCursor(const QPoint& local);
    QRect draggedRect(const QPoint& parentPos) const;
    QPoint limitedToParent(const QPoint& parentPos) const;
    void showFocusRect(const QRect& rect);
    void startDrag(const QPoint& parentPos);
    void releaseCapture();

    QPointer<QWidget> owner_; // the screen the handle belongs to between attachments
    std::vector<QPointer<QWidget>> controls_;
    int gridX_ = 1;
    int gridY_ = 1;
    bool locked_ = false;
    bool dragging_ = false;
    QPoint dragStart_;
    QRect dragStartRect_;
    DragMode dragMode_ = kDragMove;
    QPointer<QRubberBand> focusRect_; // the dotted outline shown while dragging
};

} // namespace tavrin
