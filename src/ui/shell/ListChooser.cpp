#include "ui/shell/ListChooser.h"

#include "ui/shell/TButtListForm.h"
#include "ui/shell/TGetInputTextForm.h"

namespace tavrin {

int SelectFromList(Platform& platform, const QStringList& list, int startIndex, int helpContext,
                   const QString& caption) {
    TButtListForm form(platform, list, startIndex, helpContext, caption);
    if (platform.RunModal(form) != QDialog::Accepted) {
        return -1;
    }
    return form.selectedIndex();
}

int AskFindText(Platform& platform, QString& text, int helpContext) {
    TGetInputTextForm form(platform, text, helpContext);
    const int result = platform.RunModal(form);
    if (result != kFindFirst && result != kFindNext) {
        return kFindCancelled;
    }
    text = form.text();
    return result;
}

} // namespace tavrin
