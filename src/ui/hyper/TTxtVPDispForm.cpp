#include "ui/hyper/TTxtVPDispForm.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QTextEdit>
#include <QVBoxLayout>

#include "ui/hyper/TShowHTextForm.h"
#include "ui/hyper/TShowMultForm.h"
#include "ui/present/ShowBackground.h"
#include "ui/present/TwiaTile.h"

namespace tavrin {

TTxtVPDispForm::TTxtVPDispForm(Platform& platform, const ViewPortDesign& design,
                               const std::vector<std::string>& lines, const QString& caption,
                               const std::filesystem::path& quizFolder, QWidget* parent)
    : PlatformDialog(platform, 0, parent), Panel1(new QFrame(this)), wiaTile1(new TwiaTile(Panel1)),
      Image1(new QLabel(Panel1)), Panel2(new QFrame(Panel1)), RichEdit1(new QTextEdit(Panel2)),
      design_(design), lines_(lines) {
    setObjectName(QStringLiteral("TTxtVPDispForm"));
    Panel1->setObjectName(QStringLiteral("Panel1"));
    wiaTile1->setObjectName(QStringLiteral("wiaTile1"));
    Image1->setObjectName(QStringLiteral("Image1"));
    Panel2->setObjectName(QStringLiteral("Panel2"));
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    setFixedSize(640, 480);
    CentreOnScreen(*this);
    Panel1->setGeometry(rect());
    wiaTile1->hide();
    Image1->hide();
    Panel2->hide();

    ShowBackground(platform, quizFolder, BackgroundDesign::Of(design_), {Panel1, Image1, wiaTile1});

    setWindowTitle(caption);
    FillWithColour(*Panel2, design_.vpBack());
    FillWithColour(*RichEdit1->viewport(), design_.vpBack());
    RichEdit1->setReadOnly(true);
    RichEdit1->setFrameStyle(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(Panel2);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(RichEdit1);
}

void TTxtVPDispForm::FormActivate() {
    if (design_.fullscreen())
        Panel2->setGeometry(Panel1->rect());
    else
        Panel2->setGeometry(design_.vpLeft(), design_.vpTop(), design_.vpWidth(),
                            design_.vpHeight());
    LoadTopicText(*RichEdit1, lines_);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Panel2->raise();
    Panel2->show();
}

void TTxtVPDispForm::showEvent(QShowEvent* event) {
    if (!activated_) {
        activated_ = true;
        FormActivate();
    }
    PlatformDialog::showEvent(event);
}

void TTxtVPDispForm::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        reject();
        return;
    }
    PlatformDialog::mousePressEvent(event);
}

} // namespace tavrin
