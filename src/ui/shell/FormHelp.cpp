#include "ui/shell/FormHelp.h"

#include "platform/Platform.h"

#include <QKeyEvent>
#include <QWidget>

namespace tavrin {

namespace {
const char* const kHelpContextProperty = "helpContext";
}

void SetHelpContext(QWidget& widget, int helpContext) {
    widget.setProperty(kHelpContextProperty, helpContext);
}

int HelpContextOf(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        const QVariant context = widget->property(kHelpContextProperty);
        if (context.isValid() && context.toInt() > 0)
            return context.toInt();
    }
    return 1;
}

// Watches the form for F1; key presses that its controls do not use reach
// the form, so one watcher serves them all.
class HelpKeyWatcher : public QObject {
public:
    HelpKeyWatcher(QWidget& form, Platform& platform)
        : QObject(&form), form_(form), platform_(platform) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &form_ || event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
            return false;
        QWidget* focused = form_.focusWidget();
        platform_.ShowHelp(
            HelpContextOf(focused && form_.isAncestorOf(focused) ? focused : &form_));
        return true;
    }

private:
    QWidget& form_;
    Platform& platform_;
};

void InstallHelpKey(QWidget& form, Platform& platform, int helpContext) {
    SetHelpContext(form, helpContext);
    form.installEventFilter(new HelpKeyWatcher(form, platform));
}

} // namespace tavrin
