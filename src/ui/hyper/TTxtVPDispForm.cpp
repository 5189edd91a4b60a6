#include "ui/hyper/TTxtVPDispForm.h"

#include <QMouseEvent>

#include "ui/present/DesignedScreen.h"
#include "ui/present/ScreenPlacement.h"

namespace tavrin {

TTxtVPDispForm::TTxtVPDispForm(Platform& platform, const ViewPortDesign& design,
                               const std::vector<std::string>& lines, const QString& caption,
                               const std::filesystem::path& quizFolder, QWidget* parent)
    : PlatformDialog(platform, 0, parent),
      Panel1(new DesignedScreen(design, RichTextPanel::Bevel::None, this)),
      Panel2(Panel1->TextPanel), lines_(lines) {
    setObjectName(QStringLiteral("TTxtVPDispForm"));
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel2->setObjectName(QStringLiteral("Panel2"));
    setFixedSize(640, 480);
    CentreOnScreen(*this);
    Panel1->setGeometry(rect());
    Panel2->hide();
    Panel1->ShowDesign(platform, quizFolder, design.fullscreen());
    setWindowTitle(caption);
}

void TTxtVPDispForm::FormActivate() {
    Panel2->LoadTopicLines(lines_);
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
