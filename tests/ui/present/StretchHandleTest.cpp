#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QKeyEvent>
#include <gtest/gtest.h>
#include <stdexcept>

#include "support/GuiTestSupport.h"
#include "ui/present/TStretchHandle.h"

namespace tavrin {
namespace {

// A screen with one panel.
class StretchHandleTest : public ::testing::Test {
protected:
    StretchHandleTest() {
        screen.resize(640, 480);
        first.setParent(&screen);
        first.setGeometry(40, 40, 100, 60);
        screen.show();
    }

    void drag(QPoint from, QPoint to) { test::dragWithin(handle, from, to); }
    void key(Qt::Key k) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(&handle, &press);
    }

    QWidget screen;
    QWidget first;
    TStretchHandle handle{&screen};
};

// The placement screens attach their text window at every press.
TEST_F(StretchHandleTest, AttachingTwiceIsIgnoredAndDetachHides) {
    handle.Attach(&first);
    EXPECT_TRUE(handle.isVisible());
    EXPECT_EQ(handle.geometry(), QRect(38, 38, 105, 65));
    handle.Attach(&first);
    EXPECT_EQ(handle.attachedCount(), 1);
    handle.Detach();
    EXPECT_EQ(handle.attachedCount(), 0);
    EXPECT_FALSE(handle.isVisible());
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

TEST_F(StretchHandleTest, ArrowKeysMoveTheAttachedControlByOnePixel) {
    handle.Attach(&first);
    for (const Qt::Key k :
         {Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Left, Qt::Key_Left, Qt::Key_Up})
        key(k);
    EXPECT_EQ(first.pos(), QPoint(39, 41));
    EXPECT_EQ(first.size(), QSize(100, 60));
}

TEST_F(StretchHandleTest, OneControlGetsEightSquaresInColor) {
    handle.Color = QColor(Qt::red);
    handle.Attach(&first); // 105 x 65
    const QImage image = handle.grab().toImage();
    const QRgb red = qRgb(255, 0, 0);
    for (const QPoint square : {QPoint(2, 2), QPoint(102, 62), QPoint(52, 2), QPoint(2, 32)})
        EXPECT_EQ(image.pixel(square), red) << square.x() << "," << square.y();
    EXPECT_NE(image.pixel(30, 2), red);
}

} // namespace
} // namespace tavrin
