#include "ui/present/program/TVPDesignTitleForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Platform.h"
#include "platform/PlatformConversions.h"

namespace tavrin {

TVPDesignTitleForm::TVPDesignTitleForm(Platform& platform, const IntroScreenDesign& design, Bar bar,
                                       QWidget* parent)
    : PlatformDialog(platform, bar == Bar::Title ? 465 : 470, parent), Edit1(new QLineEdit(this)),
      FontBtn(new QPushButton(tr("&New Font"), this)),
      ColourBtn(new QPushButton(tr("&Background"), this)), OKBtn(new QPushButton(tr("&OK"), this)),
      CancelBtn(new QPushButton(tr("&Cancel"), this)), design_(design), bar_(bar) {
    setObjectName(QStringLiteral("TVPDesignTitleForm"));
    setWindowTitle(tr("Press F1 for Help"));
    const std::pair<QWidget*, const char*> names[] = {{Edit1, "Edit1"},
                                                      {FontBtn, "FontBtn"},
                                                      {ColourBtn, "ColourBtn"},
                                                      {OKBtn, "OKBtn"},
                                                      {CancelBtn, "CancelBtn"}};
    for (const auto& [widget, name] : names)
        widget->setObjectName(QString::fromLatin1(name));
    const bool title = bar_ == Bar::Title;
    Edit1->setMaxLength(IntroScreenDesign::kBarTextCapacity);
    Edit1->setText(ShownText(title ? design_.titleBarText() : design_.statusBarText()));
    TextToFont(title ? design_.titleBarFont() : design_.statusBarFont(), font_);
    colour_ = title ? design_.titleBarColour() : design_.statusBarColour();
    showLook();

    auto* label = new QLabel(title ? tr("TitleBar Text : ") : tr("StatusBar Text :"), this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {FontBtn, ColourBtn})
        buttons->addWidget(button);
    buttons->addStretch();
    for (QPushButton* button : {OKBtn, CancelBtn})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(Edit1);
    layout->addLayout(buttons);
    resize(560, height());

    connect(FontBtn, &QPushButton::clicked, this, &TVPDesignTitleForm::FontBtnClick);
    connect(ColourBtn, &QPushButton::clicked, this, &TVPDesignTitleForm::ColourBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TVPDesignTitleForm::showLook() {
    Edit1->setFont(FontFromSpec(font_));
    QPalette palette = Edit1->palette();
    palette.setColor(QPalette::Base, ColourFromValue(colour_));
    palette.setColor(QPalette::Text, ColourFromValue(static_cast<std::uint32_t>(font_.colour)));
    Edit1->setPalette(palette);
}

void TVPDesignTitleForm::FontBtnClick() {
    if (const auto chosen = platform().ChooseFont(font_)) {
        font_ = *chosen;
        showLook();
    }
}

void TVPDesignTitleForm::ColourBtnClick() {
    if (const auto chosen = platform().ChooseColour(colour_)) {
        colour_ = *chosen;
        showLook();
    }
}

IntroScreenDesign TVPDesignTitleForm::design() const {
    IntroScreenDesign design = design_;
    const std::string text = StoredText(Edit1->text());
    const std::string font = FontToText(font_);
    if (bar_ == Bar::Title) {
        design.setTitleBarText(text);
        design.setTitleBarFont(font);
        design.setTitleBarColour(colour_);
    } else {
        design.setStatusBarText(text);
        design.setStatusBarFont(font);
        design.setStatusBarColour(colour_);
    }
    return design;
}

bool DesignIntroductionBar(Platform& platform, IntroScreenDesign& design,
                           TVPDesignTitleForm::Bar bar, QWidget* parent) {
    TVPDesignTitleForm form(platform, design, bar, parent);
    if (platform.RunModal(form) != QDialog::Accepted)
        return false;
    design = form.design();
    return true;
}

} // namespace tavrin
