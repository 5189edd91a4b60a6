#include "ui/present/TStretchHandle.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <algorithm>
#include <stdexcept>

namespace tavrin {
namespace {

constexpr int kSquare = 5;

HandleRect toHandleRect(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

QRect toQRect(const HandleRect& r) {
    return {r.left, r.top, r.width, r.height};
}

QRect grown(const QRect& control) {
    return toQRect(GrowForHandles(toHandleRect(control)));
}

void fillSquare(QPainter& painter, int x, int y, const QColor& colour) {
    painter.fillRect(QRect(x, y, kSquare, kSquare), colour);
}

void paintCorners(QPainter& painter, const QRect& r, const QColor& colour) {
    fillSquare(painter, r.left(), r.top(), colour);
    fillSquare(painter, r.right() + 1 - kSquare, r.top(), colour);
    fillSquare(painter, r.left(), r.bottom() + 1 - kSquare, colour);
    fillSquare(painter, r.right() + 1 - kSquare, r.bottom() + 1 - kSquare, colour);
}

void paintSides(QPainter& painter, const QRect& r, const QColor& colour) {
    const int midX = r.left() + (r.width() + 1) / 2 - 2;
    const int midY = r.top() + (r.height() + 1) / 2 - 2;
    fillSquare(painter, midX, r.top(), colour);
    fillSquare(painter, midX, r.bottom() + 1 - kSquare, colour);
    fillSquare(painter, r.left(), midY, colour);
    fillSquare(painter, r.right() + 1 - kSquare, midY, colour);
}

Qt::CursorShape cursorFor(DragMode mode) {
    switch (mode) {
    case kDragTopLeft:
    case kDragBottomRight:
        return Qt::SizeFDiagCursor;
    case kDragTopRight:
    case kDragBottomLeft:
        return Qt::SizeBDiagCursor;
    case kDragTop:
    case kDragBottom:
        return Qt::SizeVerCursor;
    case kDragLeft:
    case kDragRight:
        return Qt::SizeHorCursor;
    case kDragMove:
        break;
    }
    return Qt::ArrowCursor;
}

} // namespace

TStretchHandle::TStretchHandle(QWidget* parent) : QWidget(parent), owner_(parent) {
    setObjectName(QStringLiteral("TStretchHandle"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    resize(24, 24);
    setEnabled(false);
    hide();
}

TStretchHandle::~TStretchHandle() {
    releaseCapture();
}

int TStretchHandle::attachedCount() const {
    return static_cast<int>(std::count_if(controls_.begin(), controls_.end(),
                                          [](const QPointer<QWidget>& c) { return !c.isNull(); }));
}

bool TStretchHandle::isAttached(const QWidget* control) const {
    return std::any_of(controls_.begin(), controls_.end(),
                       [control](const QPointer<QWidget>& c) { return c.data() == control; });
}

void TStretchHandle::Attach(QWidget* control) {
    if (control == nullptr || control->isWindow()) {
        throw std::invalid_argument("Handles can not be attached to a Form!");
    }
    if (isAttached(control)) {
        return;
    }
    if (!controls_.empty() && control->parentWidget() != parentWidget()) {
        Detach();
    }
    const QRect controlRect = grown(control->geometry());
    if (controls_.empty()) {
        setParent(control->parentWidget());
        setEnabled(true);
        show();
        setGeometry(controlRect);
    } else {
        setGeometry(geometry().united(controlRect));
    }
    controls_.emplace_back(control);
    dragMode_ = kDragMove;
    raise();
    if (isVisible()) {
        grabMouse();
    }
    setFocus();
    update();
}

void TStretchHandle::Detach() {
    releaseCapture();
    controls_.clear();
    locked_ = false;
    dragging_ = false;
    resize(24, 24);
    setEnabled(false);
    hide();
    setParent(owner_);
    hide();
    if (focusRect_ != nullptr) {
        focusRect_->deleteLater();
    }
}

void TStretchHandle::setGridX(int grid) {
    gridX_ = ValidGrid(grid);
}

void TStretchHandle::setGridY(int grid) {
    gridY_ = ValidGrid(grid);
}

void TStretchHandle::setSnapToGrid(bool snap) {
    gridX_ = gridY_ = snap ? 8 : 1;
}

void TStretchHandle::SetBounds(const QRect& bounds) {
    if (!locked_) {
        const QRect old = geometry();
        const int dx = bounds.x() - old.x();
        const int dy = bounds.y() - old.y();
        const int dw = bounds.width() - old.width();
        const int dh = bounds.height() - old.height();
        for (const QPointer<QWidget>& control : controls_) {
            if (control.isNull()) {
                continue;
            }
            const QRect r = control->geometry();
            control->setGeometry(r.x() + dx, r.y() + dy, r.width() + dw, r.height() + dh);
        }
    }
    setGeometry(bounds);
}

std::vector<QRect> TStretchHandle::grownRects() const {
    std::vector<QRect> rects;
    for (const QPointer<QWidget>& control : controls_) {
        if (!control.isNull()) {
            rects.push_back(grown(control->geometry()).translated(-pos()));
        }
    }
    return rects;
}

bool TStretchHandle::insideGrownRect(const QPoint& local) const {
    const std::vector<QRect> rects = grownRects();
    return std::any_of(rects.begin(), rects.end(),
                       [local](const QRect& r) { return r.contains(local); });
}

void TStretchHandle::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const std::vector<QRect> rects = grownRects();
    if (rects.size() == 1) {
        paintCorners(painter, rects.front(), Color);
        paintSides(painter, rects.front(), Color);
        return;
    }
    for (const QRect& r : rects) {
        paintCorners(painter, r, SecondaryColor);
    }
}

void TStretchHandle::chooseModeAndCursor(const QPoint& local) {
    unsetCursor();
    if (locked_) {
        setCursor(Qt::ForbiddenCursor);
        return;
    }
    dragMode_ = DragModeAt(local.x(), local.y(), width(), height(), attachedCount());
    setCursor(cursorFor(dragMode_));
}

void TStretchHandle::startDrag(const QPoint& parentPos) {
    dragging_ = true;
    dragStart_ = parentPos;
    dragStartRect_ = geometry();
}

void TStretchHandle::mousePressEvent(QMouseEvent* event) {
    const QPoint local = event->position().toPoint();
    if (event->button() == Qt::LeftButton && insideGrownRect(local)) {
        if (!locked_) {
            startDrag(mapToParent(local));
        }
        return;
    }
    if (!insideGrownRect(local)) {
        passOnMouseEvent(event);
    }
}

void TStretchHandle::mouseMoveEvent(QMouseEvent* event) {
    const QPoint local = event->position().toPoint();
    if (!dragging_) {
        if ((event->buttons() & Qt::LeftButton) && !locked_ && attachedCount() > 0) {
            startDrag(mapToParent(local));
            return;
        }
        if (!(event->buttons() & Qt::LeftButton)) {
            releaseCapture();
        }
        chooseModeAndCursor(local);
        return;
    }
    if (dragMode_ == kDragMove) {
        setCursor(DragCursor);
    }
    showFocusRect(draggedRect(mapToParent(local)));
}

void TStretchHandle::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint local = event->position().toPoint();
    if (!dragging_) {
        if (!insideGrownRect(local)) {
            passOnMouseEvent(event);
        }
        return;
    }
    const QRect target = draggedRect(mapToParent(local));
    if (target != dragStartRect_) {
        SetBounds(target);
    }
    if (focusRect_ != nullptr) {
        focusRect_->hide();
    }
    dragging_ = false;
    unsetCursor();
    releaseCapture();
    setFocus();
}

void TStretchHandle::keyPressEvent(QKeyEvent* event) {
    QPoint step;
    switch (event->key()) {
    case Qt::Key_Left:
        step = {-1, 0};
        break;
    case Qt::Key_Right:
        step = {1, 0};
        break;
    case Qt::Key_Up:
        step = {0, -1};
        break;
    case Qt::Key_Down:
        step = {0, 1};
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    SetBounds(geometry().translated(step));
}

QPoint TStretchHandle::limitedToParent(const QPoint& parentPos) const {
    const QWidget* parent = parentWidget();
    if (parent == nullptr) {
        return parentPos;
    }
    if (dragMode_ != kDragMove) {
        return {std::clamp(parentPos.x(), 0, parent->width()),
                std::clamp(parentPos.y(), 0, parent->height())};
    }
    // A moved rectangle keeps its top-left corner inside the parent.
    const QPoint offset = parentPos - dragStart_;
    const int left = std::clamp(dragStartRect_.x() + offset.x(), 0, parent->width());
    const int top = std::clamp(dragStartRect_.y() + offset.y(), 0, parent->height());
    return dragStart_ + QPoint(left - dragStartRect_.x(), top - dragStartRect_.y());
}

QRect TStretchHandle::draggedRect(const QPoint& parentPos) const {
    const QPoint offset = limitedToParent(parentPos) - dragStart_;
    return toQRect(DraggedHandleRect(toHandleRect(dragStartRect_), dragMode_, offset.x(),
                                     offset.y(), gridX_, gridY_));
}

void TStretchHandle::showFocusRect(const QRect& rect) {
    if (parentWidget() == nullptr) {
        return;
    }
    if (focusRect_ == nullptr) {
        focusRect_ = new QRubberBand(QRubberBand::Rectangle, parentWidget());
        focusRect_->setObjectName(QStringLiteral("FocusRect"));
    } else if (focusRect_->parentWidget() != parentWidget()) {
        focusRect_->setParent(parentWidget());
    }
    focusRect_->setGeometry(rect.adjusted(kHandleGrowLeftTop, kHandleGrowLeftTop,
                                          -kHandleGrowRightBottom, -kHandleGrowRightBottom));
    focusRect_->show();
}

void TStretchHandle::passOnMouseEvent(QMouseEvent* event) {
    QWidget* parent = parentWidget();
    if (parent == nullptr) {
        return;
    }
    const QPoint parentPos = mapToParent(event->position().toPoint());
    QWidget* target = parent;
    for (QObject* child : parent->children()) {
        auto* sibling = qobject_cast<QWidget*>(child);
        if (sibling != nullptr && sibling != this && sibling->isVisible() &&
            qobject_cast<TStretchHandle*>(sibling) == nullptr &&
            sibling->geometry().contains(parentPos)) {
            target = sibling;
            break;
        }
    }
    const QPoint targetPos = target == parent ? parentPos : target->mapFromParent(parentPos);
    QMouseEvent forwarded(event->type(), targetPos, target->mapToGlobal(targetPos), event->button(),
                          event->buttons(), event->modifiers());
    QApplication::sendEvent(target, &forwarded);
}

void TStretchHandle::releaseCapture() {
    if (QWidget::mouseGrabber() == this) {
        releaseMouse();
    }
}

} // namespace tavrin
