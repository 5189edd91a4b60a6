#include "ui/present/quiz/TQuizTitleBarForm.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/settings/QuizSettings.h"
#include "platform/PlatformConversions.h"
#include "ui/present/quiz/DesignParts.h"

namespace tavrin {

TQuizTitleBarForm::TQuizTitleBarForm(Platform& platform, const QuizSettings& settings,
                                     QWidget* parent)
    : PlatformDialog(platform, 301, parent), Edit1(new QLineEdit(this)),
      Panel1(new QLabel(tr("This is an Example Title"), this)),
      ColorBtn(MakeNamedButton("ColorBtn", tr("&TitleBar Color"), this)),
      FontBtn(MakeNamedButton("FontBtn", tr("Title &Font"), this)),
      OKBtn(MakeNamedButton("OKBtn", tr("&OK"), this)),
      CancelBtn(MakeNamedButton("CancelBtn", tr("&Cancel"), this)) {
    setObjectName(QStringLiteral("TQuizTitleBarForm"));
    setWindowTitle(tr("Design Title Bar"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(static_cast<int>(QuizSettings::kTitleCapacity));
    Edit1->setText(ShownText(settings.titleBarText()));
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setMinimumSize(420, 40);
    ShowBoxColour(*Panel1, settings.titleBarColour());
    FontSpec font;
    TextToFont(settings.titleFont(), font);
    ShowFont(font);

    auto* title = new QFormLayout;
    title->addRow(tr("Title :"), Edit1);
    auto* design = new QHBoxLayout;
    design->addWidget(ColorBtn);
    design->addWidget(FontBtn);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(title);
    layout->addWidget(Panel1);
    layout->addLayout(design);
    layout->addLayout(buttons);

    connect(ColorBtn, &QPushButton::clicked, this, &TQuizTitleBarForm::ColorBtnClick);
    connect(FontBtn, &QPushButton::clicked, this, &TQuizTitleBarForm::FontBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

FontSpec TQuizTitleBarForm::PanelFont() const {
    return SpecFromFont(Panel1->font(), static_cast<std::int32_t>(TextColourOf(*Panel1)));
}

void TQuizTitleBarForm::ShowFont(const FontSpec& font) {
    Panel1->setFont(FontFromSpec(font));
    ShowTextColour(*Panel1, static_cast<std::uint32_t>(font.colour));
}

void TQuizTitleBarForm::ColorBtnClick() {
    PickBoxColour(platform(), *Panel1);
}

void TQuizTitleBarForm::FontBtnClick() {
    if (const auto chosen = platform().ChooseFont(PanelFont()))
        ShowFont(*chosen);
}

void TQuizTitleBarForm::StoreInto(QuizSettings& settings) const {
    settings.setTitleBarText(StoredText(Edit1->text()));
    settings.setTitleBarColour(BoxColourOf(*Panel1));
    settings.setTitleFont(FontToText(PanelFont()));
}

bool DesignTitleBar(Platform& platform, QuizSettings& settings, QWidget* parent) {
    TQuizTitleBarForm form(platform, settings, parent);
    if (platform.RunModal(form) != QDialog::Accepted)
        return false;
    form.StoreInto(settings);
    return true;
}

} // namespace tavrin
