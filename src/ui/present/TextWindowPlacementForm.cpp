#include "ui/present/TextWindowPlacementForm.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTextEdit>
#include <QVBoxLayout>

#include "platform/RichTextConverter.h"
#include "ui/hyper/TShowMultForm.h"
#include "ui/present/ShowBackground.h"
#include "ui/present/TStretchHandle.h"
#include "ui/present/TwiaTile.h"

namespace tavrin {
namespace {

constexpr int kHelpContext = 485;

} // namespace

TextWindowPlacementForm::TextWindowPlacementForm(Platform& platform,
                                                 std::filesystem::path quizFolder,
                                                 const ViewPortDesign& design,
                                                 const std::string& rtf, QWidget* parent)
    : PlatformDialog(platform, kHelpContext, parent), ScreenArea(new QWidget(this)),
      Image1(new QLabel(ScreenArea)), wiaTile1(new TwiaTile(ScreenArea)),
      TextPanel(new QFrame(ScreenArea)), RichEdit1(new QTextEdit(TextPanel)),
      PopupMenu1(new QMenu(this)), StretchHandle1(new TStretchHandle(ScreenArea)),
      quizFolder_(std::move(quizFolder)), design_(design) {
    const std::pair<QObject*, const char*> names[] = {
        {ScreenArea, "ScreenArea"},        {Image1, "Image1"},       {wiaTile1, "wiaTile1"},
        {TextPanel, "TextPanel"},          {RichEdit1, "RichEdit1"}, {PopupMenu1, "PopupMenu1"},
        {StretchHandle1, "StretchHandle1"}};
    for (const auto& [object, name] : names) {
        object->setObjectName(QString::fromLatin1(name));
    }
    setWindowTitle(tr("Press Mouse Right Button for Menu"));
    setFixedSize(640, 480);
    CentreOnScreen(*this);
    Image1->hide();
    wiaTile1->hide();

    TextPanel->setFrameShape(QFrame::Panel);
    TextPanel->setFrameShadow(QFrame::Raised);
    TextPanel->setToolTip(tr("Mouse Right Button for Menu"));
    FillWithColour(*TextPanel, design_.vpBack());
    RichEdit1->setReadOnly(true);
    RichEdit1->setFrameStyle(QFrame::NoFrame);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setToolTip(TextPanel->toolTip());
    FillWithColour(*RichEdit1->viewport(), design_.vpBack());
    LoadRtf(*RichEdit1->document(), rtf);
    auto* layout = new QVBoxLayout(TextPanel);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(RichEdit1);

    connect(PopupMenu1->addAction(tr("Help")), &QAction::triggered, this,
            &TextWindowPlacementForm::showFormHelp);
    connect(PopupMenu1->addAction(tr("&Save and Quit")), &QAction::triggered, this,
            &TextWindowPlacementForm::SaveAndQuitClick);
    connect(PopupMenu1->addAction(tr("&Quit")), &QAction::triggered, this,
            &TextWindowPlacementForm::QuitClick);
    for (QObject* watched :
         std::initializer_list<QObject*>{ScreenArea, Image1, wiaTile1, TextPanel, RichEdit1,
                                         RichEdit1->viewport(), StretchHandle1}) {
        watched->installEventFilter(this);
    }
}

void TextWindowPlacementForm::showScreen(const QRect& area, bool fillArea) {
    ScreenArea->setGeometry(area);
    ShowBackground(platform(), quizFolder_, BackgroundDesign::Of(design_),
                   {ScreenArea, Image1, wiaTile1});
    shownAt_ =
        fillArea ? ScreenArea->rect()
                 : QRect(design_.vpLeft(), design_.vpTop(), design_.vpWidth(), design_.vpHeight());
    TextPanel->setGeometry(shownAt_);
    TextPanel->raise();
}

void TextWindowPlacementForm::AttachHandle() {
    StretchHandle1->Attach(TextPanel);
}

void TextWindowPlacementForm::SaveAndQuitClick() {
    ending_ = true;
    storeTextWindow();
    accept();
}

void TextWindowPlacementForm::QuitClick() {
    reject();
}

void TextWindowPlacementForm::storeTextWindow() {
    const QRect placed = TextPanel->geometry();
    if (placed == shownAt_) {
        return; // untouched: a full-area window keeps the stored view port too
    }
    design_.setVpLeft(placed.x());
    design_.setVpTop(placed.y());
    design_.setVpWidth(placed.width());
    design_.setVpHeight(placed.height());
}

void TextWindowPlacementForm::openMenu(const QPoint& globalPos) {
    PopupMenu1->popup(globalPos);
}

void TextWindowPlacementForm::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        openMenu(event->globalPosition().toPoint());
        return;
    }
    PlatformDialog::mousePressEvent(event);
}

bool TextWindowPlacementForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) {
        return PlatformDialog::eventFilter(watched, event);
    }
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::RightButton) {
        openMenu(mouse->globalPosition().toPoint());
        return true;
    }
    const bool onTextWindow =
        watched == TextPanel || watched == RichEdit1 || watched == RichEdit1->viewport();
    if (onTextWindow && mouse->button() == Qt::LeftButton) {
        AttachHandle();
        return true;
    }
    return PlatformDialog::eventFilter(watched, event);
}

void TextWindowPlacementForm::done(int result) {
    if (!ending_) {
        ending_ = true;
        if (platform().AskYesNo(tr("Save changes?"))) {
            storeTextWindow();
            result = QDialog::Accepted;
        } else {
            result = QDialog::Rejected;
        }
    }
    PlatformDialog::done(result);
}

bool RunPlacement(Platform& platform, TextWindowPlacementForm& form, ViewPortDesign& design) {
    if (platform.RunModal(form) != QDialog::Accepted) {
        return false;
    }
    design = form.design();
    return true;
}

} // namespace tavrin
