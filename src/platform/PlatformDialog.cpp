#include "platform/PlatformDialog.h"

#include <QKeyEvent>

namespace tavrin {

PlatformDialog::PlatformDialog(Platform& platform, int helpContext, QWidget* parent)
    : QDialog(parent), platform_(platform), helpContext_(helpContext) {}

void PlatformDialog::showFormHelp() {
    platform_.ShowHelp(helpContext_);
}

void PlatformDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        showFormHelp();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace tavrin
