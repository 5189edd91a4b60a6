#include "ui/present/ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "core/settings/TextWindowPlacement.h"

namespace tavrin {
namespace {

HandleRect workArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return {0, 0, kDesignAreaWidth, kDesignAreaHeight};
    const QRect area = screen->availableGeometry();
    return {area.x(), area.y(), area.width(), area.height()};
}

QRect toQRect(const HandleRect& r) {
    return {r.left, r.top, r.width, r.height};
}

} // namespace

void CentreOnScreen(QWidget& window) {
    window.setGeometry(toQRect(CentredOnScreen(workArea(), window.width(), window.height())));
}

QRect DesignAreaOnScreen() {
    return toQRect(DesignAreaOnScreen(workArea()));
}

} // namespace tavrin
