#include "ui/present/quiz/ColourDesignForm.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/settings/QuizSettings.h"
#include "ui/present/quiz/DesignParts.h"

namespace tavrin {

ColourDesignForm::ColourDesignForm(Platform& platform, int helpContext, const QString& name,
                                   const QString& title, const QuizSettings& settings,
                                   QWidget* parent)
    : PlatformDialog(platform, helpContext, parent),
      OKBtn(MakeNamedButton("OKBtn", tr("&OK"), this)),
      CancelBtn(MakeNamedButton("CancelBtn", tr("&Cancel"), this)), settings_(settings),
      buttonColumn_(new QVBoxLayout) {
    setObjectName(name);
    setWindowTitle(title);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

QPushButton* ColourDesignForm::AddColour(const QString& buttonName, const QString& caption,
                                         QWidget& element, Part part, Getter get, Setter set) {
    if (part == Part::kBox)
        ShowBoxColour(element, (settings_.*get)());
    else
        ShowTextColour(element, (settings_.*get)());
    elements_.push_back({&element, part, set});
    auto* button = MakeNamedButton(buttonName, caption, this);
    buttonColumn_->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, &element, part] {
        if (part == Part::kBox)
            PickBoxColour(platform(), element);
        else
            PickTextColour(platform(), element);
    });
    return button;
}

void ColourDesignForm::Finish(QWidget& mockUp) {
    buttonColumn_->addStretch();
    auto* design = new QHBoxLayout;
    design->addWidget(&mockUp, 1);
    design->addLayout(buttonColumn_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(design);
    layout->addLayout(buttons);
}

void ColourDesignForm::StoreInto(QuizSettings& settings) const {
    for (const Element& element : elements_) {
        const std::uint32_t colour = element.part == Part::kBox ? BoxColourOf(*element.widget)
                                                                : TextColourOf(*element.widget);
        (settings.*element.set)(colour);
    }
}

bool RunColourDesign(Platform& platform, ColourDesignForm& form, QuizSettings& settings) {
    if (platform.RunModal(form) != QDialog::Accepted)
        return false;
    form.StoreInto(settings);
    return true;
}

} // namespace tavrin
