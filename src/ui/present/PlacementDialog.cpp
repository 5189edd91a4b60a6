#include "ui/present/PlacementDialog.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include "ui/present/TStretchHandle.h"

namespace tavrin {
namespace {

constexpr int kHelpContext = 485;

} // namespace

PlacementDialog::PlacementDialog(Platform& platform, const ViewPortDesign& design, Endings endings,
                                 QWidget* parent)
    : PlatformDialog(platform, kHelpContext, parent), PopupMenu1(new QMenu(this)),
      StretchHandle1(new TStretchHandle(this)), design_(design), endings_(std::move(endings)) {
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    StretchHandle1->setObjectName(QStringLiteral("StretchHandle1"));
    connect(PopupMenu1->addAction(endings_.helpCaption), &QAction::triggered, this,
            &PlacementDialog::showFormHelp);
    connect(PopupMenu1->addAction(tr("&Save and Quit")), &QAction::triggered, this,
            &PlacementDialog::SaveAndQuitClick);
    connect(PopupMenu1->addAction(tr("&Quit")), &QAction::triggered, this,
            &PlacementDialog::QuitClick);
    // Once attached the handle lies over the text window and takes its
    // presses: the right button must open the menu there too.
    StretchHandle1->installEventFilter(this);
}

void PlacementDialog::placeTextWindow(QWidget* window, const QRect& at,
                                      std::initializer_list<QWidget*> pressedOn) {
    textWindow_ = window;
    shownAt_ = at;
    window->setGeometry(at);
    window->raise();
    for (QWidget* widget : pressedOn) {
        widget->installEventFilter(this);
    }
}

void PlacementDialog::AttachHandle() {
    StretchHandle1->Attach(textWindow_);
}

void PlacementDialog::SaveAndQuitClick() {
    ending_ = true;
    storePlacement();
    accept();
}

void PlacementDialog::QuitClick() {
    ending_ = !endings_.quitAndEscapeAsk;
    reject();
}

void PlacementDialog::storeTextWindow(const QRect& placed, ViewPortDesign& design) const {
    design.setVpLeft(placed.x());
    design.setVpTop(placed.y());
    design.setVpWidth(placed.width());
    design.setVpHeight(placed.height());
}

void PlacementDialog::storePlacement() {
    const QRect placed = textWindow_->geometry();
    if (placed != shownAt_) { // untouched, a full-area window keeps the stored view port too
        storeTextWindow(placed, design_);
    }
}

void PlacementDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        PopupMenu1->popup(event->globalPosition().toPoint());
        return;
    }
    AttachHandle();
}

bool PlacementDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) {
        return PlatformDialog::eventFilter(watched, event);
    }
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::RightButton) {
        PopupMenu1->popup(mouse->globalPosition().toPoint());
        return true;
    }
    if (watched != StretchHandle1 && mouse->button() == Qt::LeftButton) {
        AttachHandle();
        return true;
    }
    return PlatformDialog::eventFilter(watched, event);
}

void PlacementDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !endings_.quitAndEscapeAsk) {
        ending_ = true;
    }
    PlatformDialog::keyPressEvent(event);
}

void PlacementDialog::done(int result) {
    if (!ending_) {
        ending_ = true;
        if (platform().AskYesNo(tr("Save changes?"))) {
            storePlacement();
            result = QDialog::Accepted;
        } else {
            result = QDialog::Rejected;
        }
    }
    PlatformDialog::done(result);
}

bool RunPlacement(Platform& platform, PlacementDialog& form, ViewPortDesign& design) {
    if (platform.RunModal(form) != QDialog::Accepted) {
        return false;
    }
    design = form.design();
    return true;
}

} // namespace tavrin
