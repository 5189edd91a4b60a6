#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QKeyEvent>
#include <QPushButton>
#include <gtest/gtest.h>
#include <stdexcept>

#include "support/GuiTestSupport.h"
#include "ui/present/TStretchHandle.h"

namespace tavrin {
namespace {

// A screen with two panels and, in a box of its own, a third.
class StretchHandleTest : public ::testing::Test {
protected:
    StretchHandleTest() {
        screen.resize(640, 480);
        first.setParent(&screen);
        first.setGeometry(40, 40, 100, 60);
        second.setParent(&screen);
        second.setGeometry(200, 200, 80, 40);
        box.setParent(&screen);
        box.setGeometry(300, 10, 200, 150);
        inBox.setParent(&box);
        inBox.setGeometry(10, 10, 50, 50);
        screen.show();
    }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        test::sendMouse(handle, type, at, button, held);
    }
    void hover(QPoint at) { mouse(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton); }
    void drag(QPoint from, QPoint to) { test::dragWithin(handle, from, to); }
    void key(Qt::Key k) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(&handle, &press);
    }

    QWidget screen;
    QWidget first;
    QWidget second;
    QWidget box;
    QWidget inBox;
    TStretchHandle handle{&screen};
};

TEST_F(StretchHandleTest, AttachingSurroundsTheControlsOfOneParentAndDetachHidesAndUnlocks) {
    handle.Attach(&first);
    EXPECT_TRUE(handle.isVisible());
    EXPECT_EQ(handle.parentWidget(), &screen);
    EXPECT_EQ(handle.geometry(), QRect(38, 38, 105, 65));
    handle.Attach(&first);
    EXPECT_EQ(handle.attachedCount(), 1) << "attaching twice is ignored";
    handle.Attach(&second);
    EXPECT_EQ(handle.attachedCount(), 2);
    EXPECT_EQ(handle.geometry(), QRect(38, 38, 245, 205)) << "union of both grown rectangles";

    handle.setLocked(true);
    handle.Detach();
    EXPECT_EQ(handle.attachedCount(), 0);
    EXPECT_FALSE(handle.Locked());
    EXPECT_FALSE(handle.isVisible());
    EXPECT_EQ(handle.parentWidget(), &screen) << "kept by its screen between attachments";

    // A control of another parent drops the others.
    handle.Attach(&first);
    handle.Attach(&inBox);
    EXPECT_EQ(handle.attachedCount(), 1);
    EXPECT_TRUE(handle.isAttached(&inBox));
    EXPECT_FALSE(handle.isAttached(&first));
    EXPECT_EQ(handle.parentWidget(), &box);
    EXPECT_EQ(handle.geometry(), QRect(8, 8, 55, 55));
}

TEST_F(StretchHandleTest, AFormTakesNoHandles) {
    QDialog form;
    try {
        handle.Attach(&form);
        FAIL() << "no error";
    } catch (const std::invalid_argument& error) {
        EXPECT_STREQ(error.what(), "Handles can not be attached to a Form!");
    }
    EXPECT_EQ(handle.attachedCount(), 0);
}

// Which spot gives which mode is the geometry's rule; the handle shows it in its cursor.
TEST_F(StretchHandleTest, PointerPositionChoosesTheDragModeAndCursor) {
    handle.Attach(&first); // handle 105 x 65
    hover({30, 20});
    EXPECT_EQ(handle.dragMode(), kDragMove);
    EXPECT_EQ(handle.cursor().shape(), Qt::ArrowCursor);
    hover({1, 1});
    EXPECT_EQ(handle.dragMode(), kDragTopLeft);
    EXPECT_EQ(handle.cursor().shape(), Qt::SizeFDiagCursor);
}

// Where an edge ends up is the handle geometry's rule (a core test); the
// handle applies it to its controls, with the grid it is given.
TEST_F(StretchHandleTest, DraggingResizesOrMovesTheControlWithinItsLimits) {
    // The handle surrounds its control 2 pixels out: `first` (40, 40, 100 x 60) gives 105 x 65.
    const struct {
        QRect start;
        bool snap;
        QPoint from, to;
        QRect control;
        const char* what;
    } cases[] = {
        {{40, 40, 100, 60}, false, {103, 63}, {123, 73}, {40, 40, 120, 70}, "corner resizes"},
        {{40, 40, 100, 60}, false, {30, 20}, {-300, -300}, {2, 2, 100, 60}, "kept in the parent"},
        {{10, 10, 40, 30}, true, {20, 15}, {23, 15}, {8, 8, 40, 30}, "left edge 13 snaps to 8"},
    };
    for (const auto& c : cases) {
        first.setGeometry(c.start);
        handle.setSnapToGrid(c.snap);
        handle.Attach(&first);
        drag(c.from, c.to);
        EXPECT_EQ(first.geometry(), c.control) << c.what;
        EXPECT_EQ(handle.geometry(), c.control.adjusted(-2, -2, 3, 3)) << c.what;
        EXPECT_FALSE(handle.dragging());
        handle.Detach();
    }
}

TEST_F(StretchHandleTest, ALockedHandleNeitherDragsNorMoves) {
    handle.Attach(&first);
    handle.setLocked(true);
    drag({30, 20}, {60, 50});
    EXPECT_EQ(first.geometry(), QRect(40, 40, 100, 60));
    key(Qt::Key_Right);
    EXPECT_EQ(first.pos(), QPoint(40, 40));
    hover({30, 20});
    EXPECT_EQ(handle.cursor().shape(), Qt::ForbiddenCursor);
}

TEST_F(StretchHandleTest, ArrowKeysMoveEveryAttachedControlByOnePixel) {
    handle.Attach(&first);
    handle.Attach(&second);
    key(Qt::Key_Right);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Left);
    key(Qt::Key_Left);
    key(Qt::Key_Up);
    EXPECT_EQ(first.pos(), QPoint(39, 41));
    EXPECT_EQ(second.pos(), QPoint(199, 201));
    EXPECT_EQ(second.size(), QSize(80, 40));
}

TEST_F(StretchHandleTest, OneControlGetsEightSquaresInColor) {
    handle.Color = QColor(Qt::red);
    handle.Attach(&first); // 105 x 65
    const QImage image = handle.grab().toImage();
    const QRgb red = qRgb(255, 0, 0);
    EXPECT_EQ(image.pixel(2, 2), red);
    EXPECT_EQ(image.pixel(102, 62), red);
    EXPECT_EQ(image.pixel(52, 2), red) << "top middle";
    EXPECT_EQ(image.pixel(2, 32), red) << "left middle";
    EXPECT_NE(image.pixel(30, 2), red);
}

TEST_F(StretchHandleTest, SeveralControlsGetOnlyCornerSquaresInSecondaryColor) {
    handle.SecondaryColor = QColor(Qt::blue);
    handle.Attach(&first);
    handle.Attach(&second);
    const QImage image = handle.grab().toImage();
    const QRgb blue = qRgb(0, 0, 255);
    const QPoint origin = handle.pos();
    auto at = [&](int x, int y) { return image.pixel(x - origin.x(), y - origin.y()); };
    EXPECT_EQ(at(40, 40), blue) << "corner of the first";
    EXPECT_EQ(at(141, 101), blue);
    EXPECT_EQ(at(200, 200), blue) << "corner of the second";
    EXPECT_EQ(at(281, 241), blue);
    EXPECT_NE(at(90, 39), blue) << "no side square";
    EXPECT_NE(at(39, 70), blue);
    EXPECT_NE(at(40, 40), qRgb(0, 0, 0));
    hover({1, 1});
    EXPECT_EQ(handle.dragMode(), kDragMove);
}

TEST_F(StretchHandleTest, APressOutsideTheControlsGoesToTheSiblingBelow) {
    QPushButton button(&screen);
    button.setGeometry(150, 150, 60, 20);
    button.show();
    handle.Attach(&first);
    handle.Attach(&second); // the union covers the button
    bool clicked = false;
    QObject::connect(&button, &QPushButton::clicked, [&] { clicked = true; });
    const QPoint onButton = handle.mapFromParent(QPoint(160, 155));
    mouse(QEvent::MouseButtonPress, onButton, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, onButton, Qt::LeftButton, Qt::NoButton);
    EXPECT_TRUE(clicked);
    EXPECT_EQ(first.pos(), QPoint(40, 40));
}

} // namespace
} // namespace tavrin
