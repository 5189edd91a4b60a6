#include "ui/present/quiz/TGroupScoreForm.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/project/ProjectState.h"
#include "core/settings/ResultsDesign.h"
#include "ui/present/quiz/DesignParts.h"

namespace tavrin {
namespace {

const char* const kGroupLabels[QuizSettings::kAuthorGroups] = {
    "Group 0  -  Quiz Score up to", "Group 1  - from Group 0 up to",
    "Group 2  - from Group 1 up to", "Group 3  - from Group 2 up to",
    "Group 4  - from Group 3 up to"};

} // namespace

TGroupScoreForm::TGroupScoreForm(Platform& platform, ProjectState& state, QWidget* parent)
    : PlatformDialog(platform, 325, parent), SaveBtn(MakeNamedButton("SaveBtn", tr("&Save"), this)),
      CancelBtn(MakeNamedButton("CancelBtn", tr("&Cancel"), this)), state_(state) {
    setObjectName(QStringLiteral("TGroupScoreForm"));
    setWindowTitle(tr("Customize Score Groups"));
    auto* rows = new QFormLayout;
    const QuizSettings& s = state.settings;
    for (int group = 0; group < QuizSettings::kAuthorGroups; ++group) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Edit%1").arg(group + 1));
        edit->setMaxLength(3);
        if (s.scoreGroupsDefined())
            edit->setText(QString::number(s.groupLimit(group)));
        edit->installEventFilter(this);
        rows->addRow(QString::fromLatin1(kGroupLabels[group]), edit);
        GroupEdits[static_cast<std::size_t>(group)] = edit;
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SaveBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows);
    layout->addLayout(buttons);

    connect(SaveBtn, &QPushButton::clicked, this, &TGroupScoreForm::SaveBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

bool TGroupScoreForm::GroupEditExit(QLineEdit& edit) {
    if (edit.text().isEmpty())
        return true;
    const PercentCheck check = CheckPercentText(edit.text().toStdString());
    if (check.refusal == PercentRefusal::kNone)
        return true;
    platform().ShowError(QString::fromStdString(GroupLimitRefusal(check.refusal)));
    edit.clear();
    edit.setFocus();
    return false;
}

void TGroupScoreForm::SaveBtnClick() {
    GroupLimitEntries entries;
    for (std::size_t i = 0; i < GroupEdits.size(); ++i) {
        QLineEdit& edit = *GroupEdits[i];
        // A number typed but never left is checked here, so it cannot slip through.
        if (!GroupEditExit(edit))
            return;
        if (!edit.text().isEmpty())
            entries[i] = CheckPercentText(edit.text().toStdString()).value;
    }
    if (const auto fault = FindGroupOrderFault(entries)) {
        platform().ShowError(QString::fromStdString(GroupOrderMessage(*fault)));
        GroupEdits[static_cast<std::size_t>(fault->group)]->setFocus();
        return;
    }
    StoreGroupLimits(state_.settings, entries);
    SaveQuizFile(platform(), state_);
    accept();
}

bool TGroupScoreForm::eventFilter(QObject* watched, QEvent* event) {
    for (QLineEdit* edit : GroupEdits)
        if (watched == edit && IsLeavingEdit(*event) && isVisible())
            GroupEditExit(*edit);
    return PlatformDialog::eventFilter(watched, event);
}

void RunScoreGroupDesign(Platform& platform, ProjectState& state, QWidget* parent) {
    TGroupScoreForm form(platform, state, parent);
    platform.RunModal(form);
}

} // namespace tavrin
