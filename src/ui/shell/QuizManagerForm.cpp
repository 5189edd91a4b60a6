#include "ui/shell/QuizManagerForm.h"

#include "platform/Platform.h"
#include "ui/present/program/TProgConfigForm.h"
#include "ui/present/quiz/TQCustForm.h"
#include "ui/questions/QuestionOperations.h"
#include "ui/shell/FormHelp.h"
#include "ui/shell/MenuStyle.h"
#include "ui/shell/QuestionInterchange.h"
#include "ui/shell/QuizProjects.h"
#include "ui/shell/TiledBackground.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStatusTipEvent>
#include <QVBoxLayout>
#include <exception>

namespace tavrin {

namespace {

QPushButton* MakeButton(const char* caption, int helpContext, const char* hint, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setMinimumWidth(180);
    button->setStatusTip(QString::fromLatin1(hint));
    SetHelpContext(*button, helpContext);
    return button;
}

int AddHelpContext(QuizKind kind) {
    return kind == QuizKind::QA ? 125 : kind == QuizKind::TI ? 126 : 127;
}

int MenuHelpContext(QuizKind kind) {
    return kind == QuizKind::QA ? 20 : kind == QuizKind::TI ? 21 : 22;
}

} // namespace

QuizManagerForm::QuizManagerForm(Platform& platform, ProjectState& state,
                                 const ManagerServices& services, QuizKind kind, QWidget* parent)
    : QDialog(parent), Background(new TiledBackground(this)), MenuPanel(new QFrame(this)),
      TitlePnl(new QLabel(QString::fromLatin1(KindTitle(kind)), MenuPanel)),
      SelectBtn(MakeButton("&Select a Quiz", 120, "Select a quiz to work on", MenuPanel)),
      NewQuizBtn(MakeButton("Start &New Quiz", 100, "Start a new quiz in a folder", MenuPanel)),
      QuestionsGroup(new QGroupBox(MenuPanel)),
      AddBtn(MakeButton("&Add a Question", AddHelpContext(kind), "Add questions to the quiz",
                        QuestionsGroup)),
      EditBtn(MakeButton("&Edit a Question", 130, "Change a question", QuestionsGroup)),
      ViewBtn(MakeButton("&View a Question", 140, "See a question as the learner does",
                         QuestionsGroup)),
      DeleteBtn(MakeButton("&Delete a Question", 150, "Remove a question", QuestionsGroup)),
      ImportBtn(MakeButton("Import Questions...", 160,
                           "Add questions from a GIFT, Moodle XML, Aiken or CSV file",
                           QuestionsGroup)),
      ExportBtn(MakeButton("Export Questions...", 160,
                           "Write the questions to a GIFT, Moodle XML or CSV file",
                           QuestionsGroup)),
      ProgramGroup(new QGroupBox(QStringLiteral("  Create Program  "), MenuPanel)),
      PreviewBtn(MakeButton("&Pre-View Quiz", 260, "Take the quiz as a learner", ProgramGroup)),
      CompileBtn(MakeButton("&Compile Quiz", 270, "Pack the quiz into one file", ProgramGroup)),
      ExecBtn(MakeButton("Create E&xecutable", 280, "Build the quiz program", ProgramGroup)),
      DistribBtn(MakeButton("Prepare D&istribution", 290, "Gather the files a learner needs",
                            ProgramGroup)),
      CustomizeGroup(new QGroupBox(QStringLiteral("  Customize  "), MenuPanel)),
      QuizPresentationBtn(
          MakeButton("&Quiz Presentation", 200, "Design the quiz screens", CustomizeGroup)),
      ProgramPresentationBtn(MakeButton("P&rogram Presentation", 230,
                                        "Design the program around the quiz", CustomizeGroup)),
      HelpGroup(new QGroupBox(QStringLiteral("  Help  "), MenuPanel)),
      HelpBtn(MakeButton("&Help", 1, "Open the author's manual", HelpGroup)),
      TutorialBtn(MakeButton("&Tutorial", 1, "Read the tutorial", HelpGroup)),
      QuitBtn(MakeButton("&Main Menu", 0, "Back to the main menu", MenuPanel)),
      StatusPnl(new QFrame(this)), HintLbl(new QLabel(StatusPnl)),
      CaptionLbl(new QLabel(QStringLiteral("  Current Quiz  :"), StatusPnl)),
      ProjectLbl(new QLabel(QStringLiteral("None Selected"), StatusPnl)), waitpnl(new QLabel(this)),
      platform_(platform), state_(state), services_(services), kind_(kind) {
    setWindowTitle(ManagerTitle(state));
    QuestionsGroup->setTitle(kind == QuizKind::QA ? QStringLiteral("  Create Quiz  ")
                                                  : QStringLiteral("  Create Questions "));
    waitpnl->setText(kind == QuizKind::QA ? QStringLiteral("Working....  Please wait")
                                          : QStringLiteral("Working. Please wait..."));
    NameComponents();
    BuildLayout();
    ConnectButtons();
    setWindowState(Qt::WindowMaximized);
    SetHelpContext(*MenuPanel, MenuHelpContext(kind));
    InstallHelpKey(*this, platform, MenuHelpContext(kind));
    SetManagerKind(state, kind);
    EnableButtons();
}

void QuizManagerForm::NameComponents() {
    const bool qa = kind_ == QuizKind::QA;
    setObjectName(qa                      ? QStringLiteral("TQAMainForm")
                  : kind_ == QuizKind::TI ? QStringLiteral("TTImainform")
                                          : QStringLiteral("TMCmainform"));
    const std::pair<QWidget*, const char*> names[] = {
        {Background, "Background"},
        {MenuPanel, qa ? "menuPnl" : "MenuPnl"},
        {TitlePnl, "TitlePnl"},
        {SelectBtn, "SelectBtn"},
        {NewQuizBtn, qa ? "NewBtn" : "StartBtn"},
        {QuestionsGroup, "QuestionsGroup"},
        {AddBtn, "AddBtn"},
        {EditBtn, "EditBtn"},
        {ViewBtn, "ViewBtn"},
        {DeleteBtn, "DeleteBtn"},
        {ImportBtn, "ImportBtn"},
        {ExportBtn, "ExportBtn"},
        {ProgramGroup, "ProgramGroup"},
        {PreviewBtn, "PreviewBtn"},
        {CompileBtn, "CompileBtn"},
        {ExecBtn, "ExecBtn"},
        {DistribBtn, "DistribBtn"},
        {CustomizeGroup, "CustomizeGroup"},
        {QuizPresentationBtn, qa ? "CustQuizBtn" : "CustChapBtn"},
        {ProgramPresentationBtn, qa ? "CustProgBtn" : "CustBookBtn"},
        {HelpGroup, "HelpGroup"},
        {HelpBtn, "HelpBtn"},
        {TutorialBtn, qa ? "TutorBtn" : "TutBtn"},
        {QuitBtn, "QuitBtn"},
        {StatusPnl, "StatusPnl"},
        {HintLbl, "HintLbl"},
        {CaptionLbl, "CaptionLbl"},
        {ProjectLbl, "ProjectLbl"},
        {waitpnl, "waitpnl"}};
    for (auto [widget, name] : names)
        widget->setObjectName(QString::fromLatin1(name));
}

void QuizManagerForm::BuildLayout() {
    StyleMenuPanel(*MenuPanel, *TitlePnl);
    auto fill = [](QGroupBox* group, std::initializer_list<QPushButton*> buttons) {
        auto* column = new QVBoxLayout(group);
        for (QPushButton* button : buttons)
            column->addWidget(button);
    };
    fill(QuestionsGroup, {AddBtn, EditBtn, ViewBtn, DeleteBtn, ImportBtn, ExportBtn});
    fill(ProgramGroup, {PreviewBtn, CompileBtn, ExecBtn, DistribBtn});
    fill(CustomizeGroup, {QuizPresentationBtn, ProgramPresentationBtn});
    fill(HelpGroup, {HelpBtn, TutorialBtn});

    auto* grid = new QGridLayout(MenuPanel);
    grid->setContentsMargins(14, 14, 14, 14);
    grid->addWidget(TitlePnl, 0, 0, 1, 2);
    grid->addWidget(SelectBtn, 1, 0);
    grid->addWidget(NewQuizBtn, 1, 1);
    grid->addWidget(QuestionsGroup, 2, 0);
    grid->addWidget(ProgramGroup, 2, 1);
    grid->addWidget(CustomizeGroup, 3, 0);
    grid->addWidget(HelpGroup, 3, 1);
    grid->addWidget(QuitBtn, 4, 0, 1, 2, Qt::AlignHCenter);
    MenuPanel->adjustSize();

    StatusPnl->setFrameShape(QFrame::Panel);
    StatusPnl->setFrameShadow(QFrame::Sunken);
    StatusPnl->setAutoFillBackground(true);
    auto* status = new QHBoxLayout(StatusPnl);
    status->setContentsMargins(6, 2, 6, 2);
    status->addWidget(HintLbl, 1);
    status->addWidget(CaptionLbl);
    status->addWidget(ProjectLbl);
    ProjectLbl->setTextFormat(Qt::PlainText); // a quiz name as typed
    QFont bold = ProjectLbl->font();
    bold.setBold(true);
    ProjectLbl->setFont(bold);

    waitpnl->setAlignment(Qt::AlignCenter);
    waitpnl->setFrameShape(QFrame::Panel);
    waitpnl->setFrameShadow(QFrame::Raised);
    waitpnl->setAutoFillBackground(true);
    waitpnl->setFont(bold);
    waitpnl->resize(260, 60);
    waitpnl->hide();
}

void QuizManagerForm::ConnectButtons() {
    const std::pair<QPushButton*, void (QuizManagerForm::*)()> handlers[] = {
        {SelectBtn, &QuizManagerForm::SelectBtnClick},
        {NewQuizBtn, &QuizManagerForm::NewQuizBtnClick},
        {AddBtn, &QuizManagerForm::AddBtnClick},
        {EditBtn, &QuizManagerForm::EditBtnClick},
        {ViewBtn, &QuizManagerForm::ViewBtnClick},
        {DeleteBtn, &QuizManagerForm::DeleteBtnClick},
        {ImportBtn, &QuizManagerForm::ImportBtnClick},
        {ExportBtn, &QuizManagerForm::ExportBtnClick},
        {PreviewBtn, &QuizManagerForm::PreviewBtnClick},
        {CompileBtn, &QuizManagerForm::CompileBtnClick},
        {ExecBtn, &QuizManagerForm::ExecBtnClick},
        {DistribBtn, &QuizManagerForm::DistribBtnClick},
        {QuizPresentationBtn, &QuizManagerForm::QuizPresentationBtnClick},
        {ProgramPresentationBtn, &QuizManagerForm::ProgramPresentationBtnClick},
        {HelpBtn, &QuizManagerForm::HelpBtnClick},
        {TutorialBtn, &QuizManagerForm::TutorialBtnClick},
        {QuitBtn, &QuizManagerForm::QuitBtnClick}};
    for (auto [button, handler] : handlers)
        connect(button, &QPushButton::clicked, this, handler);
}

void QuizManagerForm::EnableButtons() {
    const bool quizCurrent = QuizIsCurrent(state_);
    for (QPushButton* button : {AddBtn, ImportBtn, QuizPresentationBtn, ProgramPresentationBtn})
        button->setEnabled(quizCurrent);
    const bool hasQuestions = QuizHasQuestions(state_);
    for (QPushButton* button :
         {EditBtn, ViewBtn, DeleteBtn, ExportBtn, PreviewBtn, CompileBtn, ExecBtn, DistribBtn})
        button->setEnabled(hasQuestions);
}

void QuizManagerForm::ShowCurrentQuiz(const QString& name) {
    ProjectLbl->setText(name.isEmpty() ? QStringLiteral("None Selected") : name);
}

void QuizManagerForm::RunOperation(QPushButton* pressed, FocusAfter focus,
                                   const std::function<void()>& work) {
    MenuPanel->hide();
    try {
        work();
    } catch (const std::exception& error) {
        platform_.ShowError(QString::fromStdString(error.what()));
    }
    MenuPanel->show();
    EnableButtons();
    QPushButton* target = pressed;
    if (focus == FocusAfter::AddIfEnabled && AddBtn->isEnabled())
        target = AddBtn;
    if (focus == FocusAfter::SelfElseAdd && !pressed->isEnabled())
        target = AddBtn;
    target->setFocus();
}

void QuizManagerForm::RunService(QPushButton* pressed, const ManagerServices::ManagerAction& action,
                                 bool withWaitPanel) {
    RunOperation(pressed, FocusAfter::Self, [&] {
        if (!action)
            return;
        if (withWaitPanel)
            RunWithWaitPanel([&] { action(*this); });
        else
            action(*this);
    });
}

void QuizManagerForm::RunWithWaitPanel(const std::function<void()>& work) {
    CentrePanels();
    waitpnl->show();
    waitpnl->raise();
    QCoreApplication::processEvents();
    struct HideOnExit {
        QLabel* panel;
        ~HideOnExit() { panel->hide(); }
    } hide{waitpnl};
    work();
}

void QuizManagerForm::SelectBtnClick() {
    RunOperation(SelectBtn, FocusAfter::AddIfEnabled, [this] { SelectQuiz(*this); });
}

void QuizManagerForm::NewQuizBtnClick() {
    RunOperation(NewQuizBtn, FocusAfter::AddIfEnabled, [this] { StartNewQuiz(*this); });
}

void QuizManagerForm::AddBtnClick() {
    RunOperation(AddBtn, FocusAfter::Self, [this] { AddQuestions(*this, services_); });
}

void QuizManagerForm::EditBtnClick() {
    RunOperation(EditBtn, FocusAfter::Self, [this] { EditQuestion(*this, services_); });
}

void QuizManagerForm::ViewBtnClick() {
    RunOperation(ViewBtn, FocusAfter::Self, [this] { ViewQuestion(*this, services_); });
}

void QuizManagerForm::DeleteBtnClick() {
    RunOperation(DeleteBtn, FocusAfter::SelfElseAdd, [this] { DeleteQuestion(*this); });
}

void QuizManagerForm::ImportBtnClick() {
    RunOperation(ImportBtn, FocusAfter::Self, [this] { ImportQuestions(platform_, state_, this); });
}

void QuizManagerForm::ExportBtnClick() {
    RunOperation(ExportBtn, FocusAfter::Self, [this] { ExportQuestions(platform_, state_); });
}

void QuizManagerForm::PreviewBtnClick() {
    RunService(PreviewBtn, services_.previewQuiz);
}
void QuizManagerForm::CompileBtnClick() {
    RunService(CompileBtn, services_.compileQuiz, true);
}
void QuizManagerForm::ExecBtnClick() {
    RunService(ExecBtn, services_.createExecutable, true);
}
void QuizManagerForm::DistribBtnClick() {
    RunService(DistribBtn, services_.prepareDistribution);
}
void QuizManagerForm::QuizPresentationBtnClick() {
    RunOperation(QuizPresentationBtn, FocusAfter::Self,
                 [this] { RunQuizPresentation(platform_, state_, this); });
}
void QuizManagerForm::ProgramPresentationBtnClick() {
    RunOperation(ProgramPresentationBtn, FocusAfter::Self,
                 [this] { ProgramPresentationCommand(platform_, state_, this); });
}
void QuizManagerForm::TutorialBtnClick() {
    RunOperation(TutorialBtn, FocusAfter::Self,
                 [this] { OpenProgramTutorial(platform_, state_, this); });
}

void QuizManagerForm::HelpBtnClick() {
    RunOperation(HelpBtn, FocusAfter::Self, [this] { platform_.ShowHelp(1); });
}

bool QuizManagerForm::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        HintLbl->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}

void QuizManagerForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const int statusHeight = StatusPnl->sizeHint().height();
    Background->setGeometry(0, 0, width(), height() - statusHeight);
    StatusPnl->setGeometry(0, height() - statusHeight, width(), statusHeight);
    CentrePanels();
}

void QuizManagerForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentrePanels();
    if (windowState() & Qt::WindowMaximized)
        FillScreenWhenNotMaximised(*this);
}

void QuizManagerForm::CentrePanels() {
    for (QWidget* panel : {static_cast<QWidget*>(MenuPanel), static_cast<QWidget*>(waitpnl)})
        panel->move(Background->width() / 2 - panel->width() / 2,
                    Background->height() / 2 - panel->height() / 2);
}

} // namespace tavrin
