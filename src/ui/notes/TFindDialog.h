#pragma once

#include "platform/PlatformDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavrin {

// The modeless find and replace dialog of the notes editor and the tutorial
// viewer. It searches downwards only and offers no case or whole-word options:
// how letters compare is the owner's rule. The owner connects the signals and
// does the searching; the dialog only holds the texts.
class TFindDialog : public PlatformDialog {
    Q_OBJECT
public:
    enum class Kind { Find, Replace };

    TFindDialog(Platform& platform, Kind kind, int helpContext, QWidget* owner);

    QString findText() const;
    void setFindText(const QString& text);
    QString replaceText() const;

    // Shows the dialog beside its owner, or brings it forward when it is open.
    void Execute();

    QLabel* FindLabel;
    QLineEdit* FindEdit;
    QLabel* ReplaceLabel;
    QLineEdit* ReplaceEdit;
    QPushButton* FindNextBtn;
    QPushButton* ReplaceBtn;
    QPushButton* ReplaceAllBtn;
    QPushButton* CancelBtn;

signals:
    void findNext();
    void replace();
    void replaceAll();

private:
    void FindEditChange();
};

} // namespace tavrin
