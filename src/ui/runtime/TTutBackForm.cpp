#include "ui/runtime/TTutBackForm.h"

#include <QLabel>

#include "ui/present/ShowBackground.h"
#include "ui/present/TwiaTile.h"

namespace tavrin {
namespace {

// The screen's own colour, kept when the background kind is none of the three.
constexpr std::uint32_t kButtonShadow = 0x80000010u;

} // namespace

TTutBackForm::TTutBackForm(Platform& platform, const ProgramWindow& window,
                           std::filesystem::path quizFolder, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), Panel1(new QWidget(this)),
      TwiaTile1(new TwiaTile(Panel1)), Image1(new QLabel(Panel1)), platform_(platform),
      window_(window), quizFolder_(std::move(quizFolder)) {
    setObjectName(QStringLiteral("TTutBackForm"));
    Panel1->setObjectName(QStringLiteral("Panel1"));
    TwiaTile1->setObjectName(QStringLiteral("TwiaTile1"));
    Image1->setObjectName(QStringLiteral("Image1"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    FillWithColour(*this, kButtonShadow);
    TwiaTile1->hide();
    Image1->hide();
}

void TTutBackForm::FormActivate() {
    const BackgroundDesign design = BackgroundDesign::Of(window_);
    if (design.kind < BackgroundDesign::kColour || design.kind > BackgroundDesign::kWallpaper)
        return;
    // The colour goes first: a wallpaper refused as a JPEG leaves it showing.
    Panel1->setGeometry(rect());
    FillWithColour(*Panel1, design.colour);
    ShowBackground(platform_, quizFolder_, design, {Panel1, Image1, TwiaTile1});
}

void TTutBackForm::resizeEvent(QResizeEvent* event) {
    Panel1->setGeometry(rect());
    Image1->setGeometry(Panel1->rect());
    TwiaTile1->setGeometry(Panel1->rect());
    QWidget::resizeEvent(event);
}

} // namespace tavrin
