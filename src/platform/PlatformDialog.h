#pragma once

#include <QDialog>

#include "platform/Platform.h"

namespace tavrin {

// Base of every modal form: holds the Platform the form reports through and
// the form's help context, and opens help at that context on F1. Esc closes
// with the cancel result (QDialog's own behaviour).
class PlatformDialog : public QDialog {
    Q_OBJECT

public:
    PlatformDialog(Platform& platform, int helpContext, QWidget* parent = nullptr);

    int helpContext() const { return helpContext_; }
    void setHelpContext(int context) { helpContext_ = context; }

    // Opens help at the form's context; every Help button calls this too.
    void showFormHelp();

protected:
    Platform& platform() { return platform_; }
    void keyPressEvent(QKeyEvent* event) override;

private:
    Platform& platform_;
    int helpContext_;
};

} // namespace tavrin
