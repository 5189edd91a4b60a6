#include "ui/present/quiz/TQDesignRForm.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/project/ProjectState.h"
#include "core/settings/ResultsDesign.h"
#include "ui/present/quiz/DesignParts.h"

namespace tavrin {
namespace {

QLabel* MakePanel(const QString& name, std::uint32_t colour, QWidget* parent) {
    auto* panel = new QLabel(parent);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::Box);
    panel->setMinimumSize(60, 24);
    ShowBoxColour(*panel, colour);
    return panel;
}

} // namespace

TQDesignRForm::TQDesignRForm(Platform& platform, ProjectState& state, QWidget* parent)
    : PlatformDialog(platform, 321, parent), Edit1(new QLineEdit(this)),
      PassPanel(MakePanel("PassPanel", state.settings.passGraphColour(), this)),
      FailPanel(MakePanel("FailPanel", state.settings.failGraphColour(), this)),
      PassBtn(MakeNamedButton("PassBtn", tr("&Pass"), this)),
      FailBtn(MakeNamedButton("FailBtn", tr("&Fail"), this)),
      SaveBtn(MakeNamedButton("SaveBtn", tr("&Save"), this)),
      CancelBtn(MakeNamedButton("CancelBtn", tr("&Cancel"), this)), state_(state) {
    setObjectName(QStringLiteral("TQDesignRForm"));
    setWindowTitle(tr("Customize Results Graph"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(3);
    Edit1->setText(QString::number(state.settings.passPercentage()));
    Edit1->installEventFilter(this);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Quiz Pass Percentage :"), this), 0, 0);
    grid->addWidget(Edit1, 0, 1);
    grid->addWidget(new QLabel(tr("Graph color if passed :"), this), 1, 0);
    grid->addWidget(PassPanel, 1, 1);
    grid->addWidget(PassBtn, 1, 2);
    grid->addWidget(new QLabel(tr("Graph color if failed :"), this), 2, 0);
    grid->addWidget(FailPanel, 2, 1);
    grid->addWidget(FailBtn, 2, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SaveBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(PassBtn, &QPushButton::clicked, this,
            [this] { PickBoxColour(this->platform(), *PassPanel); });
    connect(FailBtn, &QPushButton::clicked, this,
            [this] { PickBoxColour(this->platform(), *FailPanel); });
    connect(SaveBtn, &QPushButton::clicked, this, &TQDesignRForm::SaveBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

bool TQDesignRForm::Edit1Exit() {
    if (Edit1->text().isEmpty())
        return true;
    const PercentCheck check = CheckPercentText(Edit1->text().toStdString());
    if (check.refusal == PercentRefusal::kNone)
        return true;
    platform().ShowError(QString::fromStdString(PassPercentageRefusal(check.refusal)));
    Edit1->setText(QString::fromLatin1(kDefaultPassPercentage));
    Edit1->setFocus();
    return false;
}

void TQDesignRForm::SaveBtnClick() {
    if (Edit1->text().isEmpty()) {
        platform().ShowError(QString::fromLatin1(kPassPercentageMissing));
        Edit1->setFocus();
        return;
    }
    // A number typed but never left is checked here, so it cannot slip through.
    if (!Edit1Exit())
        return;
    QuizSettings& s = state_.settings;
    s.setPassGraphColour(BoxColourOf(*PassPanel));
    s.setFailGraphColour(BoxColourOf(*FailPanel));
    s.setPassPercentage(CheckPercentText(Edit1->text().toStdString()).value);
    SaveQuizFile(platform(), state_);
    accept();
}

bool TQDesignRForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit1 && IsLeavingEdit(*event) && isVisible())
        Edit1Exit();
    return PlatformDialog::eventFilter(watched, event);
}

void RunResultsGraphDesign(Platform& platform, ProjectState& state, QWidget* parent) {
    TQDesignRForm form(platform, state, parent);
    platform.RunModal(form);
}

} // namespace tavrin
