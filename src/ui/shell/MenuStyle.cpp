#include "ui/shell/MenuStyle.h"

#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace tavrin {

void StyleMenuPanel(QFrame& panel, QLabel& title) {
    panel.setFrameShape(QFrame::Panel);
    panel.setFrameShadow(QFrame::Raised);
    panel.setLineWidth(2);
    panel.setAutoFillBackground(true);
    QPalette palette = panel.palette();
    palette.setColor(QPalette::Window, QColor(0, 128, 128));
    palette.setColor(QPalette::WindowText, Qt::white);
    panel.setPalette(palette);

    title.setAlignment(Qt::AlignCenter);
    title.setFrameShape(QFrame::Panel);
    title.setFrameShadow(QFrame::Sunken);
    title.setAutoFillBackground(true);
    QPalette titlePalette = title.palette();
    titlePalette.setColor(QPalette::Window, QColor(192, 192, 192));
    titlePalette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    title.setPalette(titlePalette);
    QFont font = title.font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + 3);
    title.setFont(font);
    title.setMinimumHeight(36);
}

void FillScreenWhenNotMaximised(QWidget& window) {
    QTimer::singleShot(200, &window, [&window] {
        QScreen* screen = window.screen();
        if (!screen || !window.isVisible())
            return;
        const QRect available = screen->availableGeometry();
        if (window.frameGeometry().width() < available.width() * 9 / 10)
            window.setGeometry(available);
    });
}

} // namespace tavrin
