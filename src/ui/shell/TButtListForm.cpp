#include "ui/shell/TButtListForm.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "core/files/ListSearch.h"
#include "ui/shell/ListChooser.h"

namespace tavrin {

namespace {

std::vector<std::string> toUtf8Entries(const QListWidget& list) {
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(list.count()));
    for (int i = 0; i < list.count(); ++i) {
        entries.push_back(list.item(i)->text().toStdString());
    }
    return entries;
}

} // namespace

TButtListForm::TButtListForm(Platform& platform, const QStringList& list, int startIndex,
                             int helpContext, const QString& caption, QWidget* parent)
    : PlatformDialog(platform, helpContext, parent), ListBox1(new QListWidget(this)),
      OKBitBtn(new QPushButton(tr("&Select"), this)),
      CancelBitBtn(new QPushButton(tr("&Close"), this)),
      BitBtn1(new QPushButton(tr("&Find"), this)) {
    setObjectName(QStringLiteral("TButtListForm"));
    setWindowTitle(caption);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    OKBitBtn->setObjectName(QStringLiteral("OKBitBtn"));
    CancelBitBtn->setObjectName(QStringLiteral("CancelBitBtn"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));

    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->addItems(list);
    ListBox1->installEventFilter(this);
    OKBitBtn->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(OKBitBtn);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(CancelBitBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ListBox1);
    layout->addLayout(buttons);
    resize(420, 360);

    connect(OKBitBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBitBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn1, &QPushButton::clicked, this, &TButtListForm::BitBtn1Click);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TButtListForm::ListBox1DblClick);

    selectEntry(startIndex);
    ListBox1->setFocus();
}

int TButtListForm::selectedIndex() const {
    const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
    return selected.isEmpty() ? -1 : ListBox1->row(selected.first());
}

void TButtListForm::BitBtn1Click() {
    const int choice = AskFindText(platform(), lastSearchText_, helpContext());
    if (choice == kFindCancelled) {
        selectEntry(0);
        return;
    }
    const ListSearchResult found = FindInList(
        toUtf8Entries(*ListBox1), lastSearchText_.toStdString(), lastMatch_, choice == kFindFirst);
    lastMatch_ = found.lastMatch;
    selectEntry(found.select);
    OKBitBtn->setFocus();
}

void TButtListForm::ListBox1DblClick() {
    accept();
}

bool TButtListForm::ListBox1KeyPress(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        return false;
    }
    accept();
    return true;
}

bool TButtListForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListBox1 && event->type() == QEvent::KeyPress &&
        ListBox1KeyPress(static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return PlatformDialog::eventFilter(watched, event);
}

void TButtListForm::selectEntry(int index) {
    if (index < 0 || index >= ListBox1->count()) {
        ListBox1->clearSelection();
        return;
    }
    ListBox1->setCurrentRow(index);
    ListBox1->scrollToItem(ListBox1->item(index));
}

} // namespace tavrin
