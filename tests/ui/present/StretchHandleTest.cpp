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

// Where an edge ends up is the handle geometry's rule (a core test); the
// handle applies it to its control and keeps it within the parent.
TEST_F(StretchHandleTest, DraggingResizesOrMovesTheControlWithinItsParent) {
    // The handle surrounds its control 2 pixels out: `first` (40, 40, 100 x 60) gives 105 x 65.
    const struct {
        QPoint from, to;
        QRect control;
        const char* what;
    } cases[] = {
        {{103, 63}, {123, 73}, {40, 40, 120, 70}, "corner resizes"},
        {{30, 20}, {-300, -300}, {2, 2, 100, 60}, "kept in the parent"},
    };
    for (const auto& c : cases) {
        first.setGeometry(40, 40, 100, 60);
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
    for (const Qt::Key k : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Left, Qt::Key_Left,
                            Qt::Key_Up})
        key(k);
    EXPECT_EQ(first.pos(), QPoint(39, 41));
    EXPECT_EQ(second.pos(), QPoint(199, 201));
    EXPECT_EQ(second.size(), QSize(80, 40));
}

TEST_F(StretchHandleTest, OneControlGetsEightSquaresAndSeveralOnlyCornerSquaresInSecondaryColor) {
    handle.Color = QColor(Qt::red);
    handle.SecondaryColor = QColor(Qt::blue);
    handle.Attach(&first); // 105 x 65
    QImage image = handle.grab().toImage();
    const QRgb red = qRgb(255, 0, 0);
    for (const QPoint square : {QPoint(2, 2), QPoint(102, 62), QPoint(52, 2), QPoint(2, 32)})
        EXPECT_EQ(image.pixel(square), red) << square.x() << "," << square.y();
    EXPECT_NE(image.pixel(30, 2), red);

    handle.Attach(&second);
    image = handle.grab().toImage();
    const QRgb blue = qRgb(0, 0, 255);
    const QPoint origin = handle.pos();
    auto at = [&](int x, int y) { return image.pixel(x - origin.x(), y - origin.y()); };
    for (const QPoint corner : {QPoint(40, 40), QPoint(141, 101), QPoint(200, 200), QPoint(281, 241)})
        EXPECT_EQ(at(corner.x(), corner.y()), blue) << corner.x() << "," << corner.y();
    EXPECT_NE(at(90, 39), blue) << "no side square";
    EXPECT_NE(at(39, 70), blue);
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
