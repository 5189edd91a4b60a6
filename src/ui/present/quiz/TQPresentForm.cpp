#include "ui/present/quiz/TQPresentForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/project/ProjectState.h"
#include "platform/StepAside.h"
#include "ui/present/quiz/DesignParts.h"
#include "ui/present/quiz/QuestionScreenDesign.h"
#include "ui/present/quiz/SampleScreens.h"
#include "ui/present/quiz/TQuizTitleBarForm.h"
#include "ui/present/quiz/TScoreDesignForm.h"

namespace tavrin {

TQPresentForm::TQPresentForm(Platform& platform, ProjectState& state, QWidget* parent)
    : PlatformDialog(platform, ContextByKind(state.quizKind, 303, 304, 305), parent),
      TitleCheckBox(new QCheckBox(tr("Use Title &Bar"), this)),
      TitleBtn(MakeNamedButton("TitleBtn", tr("Design &Title"), this)),
      ScoreCheckBox(new QCheckBox(tr("&Use Score Bar"), this)),
      ScoreBtn(MakeNamedButton("ScoreBtn", tr("Design &Display"), this)),
      QuestionBtn(MakeNamedButton("QuestionBtn", tr("Design Question &Presentation"), this)),
      ViewBtn(MakeNamedButton("ViewBtn", tr("&View"), this)),
      SaveBtn(MakeNamedButton("SaveBtn", tr("&Save"), this)),
      CancelBtn(MakeNamedButton("CancelBtn", tr("&Cancel"), this)), state_(state) {
    setObjectName(QStringLiteral("TQPresentForm"));
    setWindowTitle(tr("Question Display"));
    TitleCheckBox->setObjectName(QStringLiteral("TitleCheckBox"));
    ScoreCheckBox->setObjectName(QStringLiteral("ScoreCheckBox"));

    auto* grid = new QGridLayout;
    grid->addWidget(TitleCheckBox, 0, 0);
    grid->addWidget(TitleBtn, 0, 1);
    grid->addWidget(ScoreCheckBox, 1, 0);
    grid->addWidget(ScoreBtn, 1, 1);
    grid->addWidget(QuestionBtn, 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {ViewBtn, SaveBtn, CancelBtn})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    TitleCheckBox->setChecked(state_.settings.useTitleBar());
    ScoreCheckBox->setChecked(state_.settings.useScoreBar());
    TitleBtn->setEnabled(TitleCheckBox->isChecked());
    ScoreBtn->setEnabled(ScoreCheckBox->isChecked());

    connect(TitleCheckBox, &QCheckBox::clicked, this, &TQPresentForm::TitleCheckBoxClick);
    connect(ScoreCheckBox, &QCheckBox::clicked, this, &TQPresentForm::ScoreCheckBoxClick);
    connect(TitleBtn, &QPushButton::clicked, this, &TQPresentForm::TitleBtnClick);
    connect(ScoreBtn, &QPushButton::clicked, this, &TQPresentForm::ScoreBtnClick);
    connect(QuestionBtn, &QPushButton::clicked, this, &TQPresentForm::QuestionBtnClick);
    connect(ViewBtn, &QPushButton::clicked, this, &TQPresentForm::ViewBtnClick);
    connect(SaveBtn, &QPushButton::clicked, this, &TQPresentForm::SaveBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TQPresentForm::TitleCheckBoxClick() {
    state_.settings.setUseTitleBar(TitleCheckBox->isChecked());
    TitleBtn->setEnabled(TitleCheckBox->isChecked());
}

void TQPresentForm::ScoreCheckBoxClick() {
    state_.settings.setUseScoreBar(ScoreCheckBox->isChecked());
    ScoreBtn->setEnabled(ScoreCheckBox->isChecked());
}

void TQPresentForm::TitleBtnClick() {
    StepAside aside(platform(), *this);
    DesignTitleBar(platform(), state_.settings, this);
}

void TQPresentForm::ScoreBtnClick() {
    StepAside aside(platform(), *this);
    DesignScorePanel(platform(), state_.settings, this);
}

void TQPresentForm::QuestionBtnClick() {
    StepAside aside(platform(), *this);
    DesignQuestionScreen(platform(), state_.quizKind, state_.settings, this);
}

void TQPresentForm::ViewBtnClick() {
    StepAside aside(platform(), *this);
    ShowSampleScreen(platform(), state_.quizKind, state_.settings, this);
}

void TQPresentForm::SaveBtnClick() {
    SaveQuizFile(platform(), state_);
    accept();
}

void RunQuestionDisplayDesign(Platform& platform, ProjectState& state, QWidget* parent) {
    TQPresentForm form(platform, state, parent);
    platform.RunModal(form);
}

} // namespace tavrin
