#pragma once

#include "platform/Platform.h"

namespace tavrin {

// Keeps a running dialog out of the way for the length of a nested one:
//     StepAside aside(platform(), *this);
//     RunNestedForm(...);
// The dialog's modal loop goes on; it comes back when the guard ends.
class StepAside {
public:
    StepAside(Platform& platform, QWidget& dialog) : platform_(platform), dialog_(dialog) {
        platform_.StepAsideBegin(dialog_);
    }
    ~StepAside() { platform_.StepAsideEnd(dialog_); }
    StepAside(const StepAside&) = delete;
    StepAside& operator=(const StepAside&) = delete;

private:
    Platform& platform_;
    QWidget& dialog_;
};

} // namespace tavrin
