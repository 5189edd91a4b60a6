#pragma once

#include <QStringList>

#include "platform/PlatformDialog.h"

class QListWidget;
class QPushButton;

namespace tavrin {

// The list chooser: one entry of a long list is picked with "&Select", by a
// double-click or by Enter; "&Find" searches the list through the find prompt.
class TButtListForm : public PlatformDialog {
    Q_OBJECT

public:
    TButtListForm(Platform& platform, const QStringList& list, int startIndex, int helpContext,
                  const QString& caption, QWidget* parent = nullptr);

    // The chosen entry, or -1 when none is selected.
    int selectedIndex() const;

    QListWidget* ListBox1;
    QPushButton* OKBitBtn;
    QPushButton* CancelBitBtn;
    QPushButton* BitBtn1;

    void BitBtn1Click();
    void ListBox1DblClick();
    // Enter in the list selects, like "&Select"; true when the key was used.
    bool ListBox1KeyPress(QKeyEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void selectEntry(int index);

    QString lastSearchText_;
    int lastMatch_ = -1;
};

} // namespace tavrin
