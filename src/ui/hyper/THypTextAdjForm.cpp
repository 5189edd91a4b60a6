#include "ui/hyper/THypTextAdjForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QResizeEvent>
#include <QTextEdit>
#include <QVBoxLayout>

#include "core/settings/TextWindowPlacement.h"
#include "platform/RichTextConverter.h"
#include "ui/present/TStretchHandle.h"

namespace tavrin {
namespace {

constexpr int kHelpContext = 485;

QColor windowColour(std::uint32_t bgr) {
    if ((bgr & 0xFF000000u) != 0) {
        return QColor(Qt::white);
    }
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

} // namespace

THypTextAdjForm::THypTextAdjForm(Platform& platform, const ViewPortDesign& design,
                                 const std::string& rtf, QWidget* parent)
    : PlatformDialog(platform, kHelpContext, parent), Panel1(new QFrame(this)),
      TitleStrip(new QFrame(Panel1)), RichEdit1(new QTextEdit(Panel1)),
      CloseBtn(new QPushButton(tr("Close"), Panel1)), PopupMenu1(new QMenu(this)),
      StretchHandle1(new TStretchHandle(this)), design_(design) {
    setObjectName(QStringLiteral("THypTextAdjForm"));
    setWindowTitle(tr("Press Mouse right button for Menu"));
    setFixedSize(640, 480);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    TitleStrip->setObjectName(QStringLiteral("TitleStrip"));
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    TitleStrip->setFixedHeight(20);
    TitleStrip->setStyleSheet(QStringLiteral("background: navy;"));
    RichEdit1->setReadOnly(true);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    LoadRtf(*RichEdit1->document(), rtf);
    QPalette palette = RichEdit1->palette();
    palette.setColor(QPalette::Base, windowColour(design.vpBack()));
    RichEdit1->setPalette(palette);
    auto* layout = new QVBoxLayout(Panel1);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(TitleStrip);
    layout->addWidget(RichEdit1, 1);
    layout->addWidget(CloseBtn, 0, Qt::AlignHCenter);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setAutoFillBackground(true);
    const HandleRect mock = MockWindowFromViewPort(design);
    Panel1->setGeometry(mock.left, mock.top, mock.width, mock.height);
    Panel1->setMinimumWidth(CloseBtn->sizeHint().width() + 4);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    connect(PopupMenu1->addAction(tr("&Help")), &QAction::triggered, this,
            [this] { showFormHelp(); });
    connect(PopupMenu1->addAction(tr("&Save and Quit")), &QAction::triggered, this,
            &THypTextAdjForm::SaveAndQuitClick);
    connect(PopupMenu1->addAction(tr("&Quit")), &QAction::triggered, this,
            &THypTextAdjForm::QuitClick);
    for (QWidget* w : {static_cast<QWidget*>(TitleStrip), static_cast<QWidget*>(RichEdit1),
                       RichEdit1->viewport()}) {
        w->installEventFilter(this);
    }
    connect(CloseBtn, &QPushButton::clicked, this, &QWidget::close);
}

void THypTextAdjForm::AttachHandle() {
    StretchHandle1->Attach(Panel1);
}

void THypTextAdjForm::SaveAndQuitClick() {
    decided_ = true;
    const QRect r = Panel1->geometry();
    StoreMockWindowInViewPort({r.x(), r.y(), r.width(), r.height()}, design_);
    accept();
}

void THypTextAdjForm::QuitClick() {
    decided_ = true;
    reject();
}

void THypTextAdjForm::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        PopupMenu1->popup(event->globalPosition().toPoint());
        return;
    }
    AttachHandle();
}

bool THypTextAdjForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            PopupMenu1->popup(mouse->globalPosition().toPoint());
            return true;
        }
        AttachHandle();
    }
    return PlatformDialog::eventFilter(watched, event);
}

void THypTextAdjForm::done(int result) {
    if (!decided_ && result == QDialog::Rejected) {
        // Esc is a plain quit; only closing the window asks.
        decided_ = true;
    }
    PlatformDialog::done(result);
}

void THypTextAdjForm::closeEvent(QCloseEvent* event) {
    if (!decided_) {
        decided_ = true;
        if (platform().AskYesNo(tr("Save changes?"))) {
            SaveAndQuitClick();
            event->accept();
            return;
        }
    }
    PlatformDialog::closeEvent(event);
}

bool AdjustTextWindow(Platform& platform, ViewPortDesign& design, const std::string& rtf,
                      QWidget* parent) {
    THypTextAdjForm form(platform, design, rtf, parent);
    if (platform.RunModal(form) != QDialog::Accepted) {
        return false;
    }
    design = form.design();
    return true;
}

} // namespace tavrin
