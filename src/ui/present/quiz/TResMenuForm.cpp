#include "ui/present/quiz/TResMenuForm.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "platform/StepAside.h"
#include "ui/present/quiz/DesignParts.h"
#include "ui/present/quiz/TCommentsForm.h"
#include "ui/present/quiz/TGroupScoreForm.h"
#include "ui/present/quiz/TQDesignRForm.h"

namespace tavrin {

TResMenuForm::TResMenuForm(Platform& platform, ProjectState& state, QWidget* parent)
    : PlatformDialog(platform, 320, parent),
      GraphBtn(MakeNamedButton("GraphBtn", tr("Customize Results &Graph"), this)),
      GroupsBtn(MakeNamedButton("GroupsBtn", tr("Customize &Score Groups"), this)),
      FeedbackBtn(MakeNamedButton("FeedbackBtn", tr("Customize Results &Feedback"), this)),
      CloseBtn(MakeNamedButton("CloseBtn", tr("&Close"), this)), state_(state) {
    setObjectName(QStringLiteral("TResMenuForm"));
    setWindowTitle(tr("Customize Results"));
    auto* layout = new QVBoxLayout(this);
    for (QPushButton* button : {GraphBtn, GroupsBtn, FeedbackBtn, CloseBtn}) {
        button->setMinimumWidth(240);
        layout->addWidget(button);
    }
    connect(GraphBtn, &QPushButton::clicked, this, &TResMenuForm::GraphBtnClick);
    connect(GroupsBtn, &QPushButton::clicked, this, &TResMenuForm::GroupsBtnClick);
    connect(FeedbackBtn, &QPushButton::clicked, this, &TResMenuForm::FeedbackBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TResMenuForm::GraphBtnClick() {
    StepAside aside(platform(), *this);
    RunResultsGraphDesign(platform(), state_, this);
}

void TResMenuForm::GroupsBtnClick() {
    StepAside aside(platform(), *this);
    RunScoreGroupDesign(platform(), state_, this);
}

void TResMenuForm::FeedbackBtnClick() {
    StepAside aside(platform(), *this);
    RunFeedbackDesign(platform(), state_, this);
}

void RunResultsMenu(Platform& platform, ProjectState& state, QWidget* parent) {
    TResMenuForm form(platform, state, parent);
    platform.RunModal(form);
}

} // namespace tavrin
