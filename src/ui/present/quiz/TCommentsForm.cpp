#include "ui/present/quiz/TCommentsForm.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/bytes/FileError.h"
#include "core/project/ProjectState.h"
#include "core/settings/ResultsDesign.h"
#include "core/topics/TopicFile.h"
#include "platform/StepAside.h"
#include "ui/hyper/THypMenuForm.h"
#include "ui/present/quiz/DesignParts.h"

namespace tavrin {
namespace {

const QString kSymbolFont = QStringLiteral("Wingdings");

// The tick: character 0xFC of the symbol font, or the tick mark itself
// where that font is not installed.
QString Tick() {
    return QFontDatabase::families().contains(kSymbolFont) ? QString(QChar(0xFC))
                                                           : QString(QChar(0x2713));
}

} // namespace

TCommentsForm::TCommentsForm(Platform& platform, ProjectState& state, QWidget* parent)
    : PlatformDialog(platform, 330, parent),
      AddEditBtn(MakeNamedButton("AddEditBtn", tr("Add/Edit"), this)),
      DeleteBtn(MakeNamedButton("DeleteBtn", tr("Delete"), this)),
      CloseBtn(MakeNamedButton("CloseBtn", tr("&Close"), this)), state_(state) {
    setObjectName(QStringLiteral("TCommentsForm"));
    setWindowTitle(tr("Customize Results Feedback"));
    auto* group = new QGroupBox(tr(" Customize Results Feedback "), this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(tr("Score Groups:"), group), 0, 0);
    grid->addWidget(new QLabel(tr("Defined"), group), 0, 1);
    for (int g = 0; g < kGroups; ++g) {
        const auto i = static_cast<std::size_t>(g);
        GroupRadios[i] = new QRadioButton(tr("Group %1").arg(g), group);
        GroupRadios[i]->setObjectName(QStringLiteral("RadioButton%1").arg(g + 1));
        DefinedPanels[i] = new QLabel(group);
        DefinedPanels[i]->setObjectName(QStringLiteral("Panel%1").arg(g + 1));
        DefinedPanels[i]->setFixedSize(22, 18);
        DefinedPanels[i]->setAlignment(Qt::AlignCenter);
        DefinedPanels[i]->setFont(QFont(kSymbolFont, 11));
        DefinedPanels[i]->setFrameShape(QFrame::Panel);
        DefinedPanels[i]->setFrameShadow(QFrame::Sunken);
        ShowBoxColour(*DefinedPanels[i], 0xFFFFFF);
        grid->addWidget(GroupRadios[i], g + 1, 0);
        grid->addWidget(DefinedPanels[i], g + 1, 1);
        ShowDefined(g, state.settings.groupHasFeedback(g));
        connect(GroupRadios[i], &QRadioButton::clicked, this,
                [this, g] { GroupRadioClick(g + 1); });
    }
    AddEditBtn->setEnabled(false);
    DeleteBtn->setEnabled(false);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(AddEditBtn);
    buttons->addWidget(DeleteBtn);
    buttons->addStretch();
    buttons->addWidget(CloseBtn);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);

    connect(AddEditBtn, &QPushButton::clicked, this, &TCommentsForm::AddEditBtnClick);
    connect(DeleteBtn, &QPushButton::clicked, this, &TCommentsForm::DeleteBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TCommentsForm::ShowDefined(int group, bool defined) {
    DefinedPanels[static_cast<std::size_t>(group)]->setText(defined ? Tick() : QString());
}

bool TCommentsForm::IsDefined(int group) const {
    return !DefinedPanels[static_cast<std::size_t>(group)]->text().isEmpty();
}

void TCommentsForm::GroupRadioClick(int tag) {
    chosenTag_ = tag;
    AddEditBtn->setEnabled(true);
    DeleteBtn->setEnabled(IsDefined(tag - 1));
}

void TCommentsForm::AddEditBtnClick() {
    if (chosenTag_ == 0)
        return;
    const int group = chosenTag_ - 1;
    bool saved = false;
    {
        StepAside aside(platform(), *this);
        saved = EditGroupFeedback(platform(), state_.topicFile, state_.quizFolder,
                                  GroupFeedbackTopicName(group), this);
    }
    if (!saved)
        return;
    ShowDefined(group, true);
    state_.settings.setGroupHasFeedback(group, true);
    SaveQuizFile(platform(), state_);
    DeleteBtn->setEnabled(true);
}

void TCommentsForm::DeleteBtnClick() {
    if (chosenTag_ == 0)
        return;
    const int group = chosenTag_ - 1;
    try {
        DeleteTopic(state_.topicFile, GroupFeedbackTopicName(group), "HYPER");
    } catch (const FileError& error) {
        // The topic is still there, so the group keeps its tick and flag.
        platform().ShowError(QString::fromStdString(error.what()));
        return;
    }
    ShowDefined(group, false);
    DeleteBtn->setEnabled(false);
    state_.settings.setGroupHasFeedback(group, false);
    SaveQuizFile(platform(), state_);
}

void RunFeedbackDesign(Platform& platform, ProjectState& state, QWidget* parent) {
    TCommentsForm form(platform, state, parent);
    platform.RunModal(form);
}

} // namespace tavrin
