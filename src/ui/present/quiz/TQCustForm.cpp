#include "ui/present/quiz/TQCustForm.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "core/project/ProjectState.h"
#include "platform/StepAside.h"
#include "ui/present/quiz/DesignParts.h"
#include "ui/present/quiz/TCustomTextForm.h"
#include "ui/present/quiz/TFunctionsForm.h"
#include "ui/present/quiz/TQPresentForm.h"
#include "ui/present/quiz/TResMenuForm.h"

namespace tavrin {

TQCustForm::TQCustForm(Platform& platform, ProjectState& state, QWidget* parent)
    : PlatformDialog(platform, ContextByKind(state.quizKind, 205, 206, 207), parent),
      DisplayBtn(MakeNamedButton("DisplayBtn", tr("Customize Question &Display"), this)),
      TextBtn(MakeNamedButton("TextBtn", tr("Customize Quiz &Text"), this)),
      FunctionsBtn(MakeNamedButton("FunctionsBtn", tr("Customize Quiz &Functions"), this)),
      ResultsBtn(MakeNamedButton("ResultsBtn", tr("Customize Quiz &Results "), this)),
      CloseBtn(MakeNamedButton("CloseBtn", tr("&Close"), this)), state_(state) {
    setObjectName(QStringLiteral("TQCustForm"));
    setWindowTitle(tr("Quiz Presentation"));
    auto* layout = new QVBoxLayout(this);
    for (QPushButton* button : {DisplayBtn, TextBtn, FunctionsBtn, ResultsBtn, CloseBtn}) {
        button->setMinimumWidth(240);
        layout->addWidget(button);
    }
    connect(DisplayBtn, &QPushButton::clicked, this, &TQCustForm::DisplayBtnClick);
    connect(TextBtn, &QPushButton::clicked, this, &TQCustForm::TextBtnClick);
    connect(FunctionsBtn, &QPushButton::clicked, this, &TQCustForm::FunctionsBtnClick);
    connect(ResultsBtn, &QPushButton::clicked, this, &TQCustForm::ResultsBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TQCustForm::DisplayBtnClick() {
    StepAside aside(platform(), *this);
    RunQuestionDisplayDesign(platform(), state_, this);
}

void TQCustForm::TextBtnClick() {
    StepAside aside(platform(), *this);
    RunCustomTextDesign(platform(), state_, this);
}

void TQCustForm::FunctionsBtnClick() {
    StepAside aside(platform(), *this);
    RunQuizFunctionsDesign(platform(), state_, this);
}

void TQCustForm::ResultsBtnClick() {
    StepAside aside(platform(), *this);
    RunResultsMenu(platform(), state_, this);
}

void RunQuizPresentation(Platform& platform, ProjectState& state, QWidget* parent) {
    TQCustForm form(platform, state, parent);
    platform.RunModal(form);
}

} // namespace tavrin
