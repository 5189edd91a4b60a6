#include "ui/present/program/TProgConfigForm.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/bytes/FileError.h"
#include "core/project/ProjectState.h"
#include "core/settings/ProgramPresentation.h"
#include "core/topics/TopicFile.h"
#include "platform/Platform.h"
#include "platform/PlatformConversions.h"
#include "platform/StepAside.h"
#include "ui/hyper/TCommandTypeForm.h"
#include "ui/present/TCFGDesignBackForm.h"
#include "ui/present/program/IconFileGroup.h"
#include "ui/present/program/TDesignAboutForm.h"
#include "ui/present/program/THelpfileForm.h"
#include "ui/present/program/TIntroEntryForm.h"

namespace tavrin {

namespace {

constexpr const char* kIntroductionSource = "INTRO";
constexpr const char* kIntroductionTopic = "^INTRODUCTION^";

void ShowFileError(Platform& platform, const std::exception& error) {
    platform.ShowError(QString::fromStdString(error.what()));
}

} // namespace

TProgConfigForm::TProgConfigForm(Platform& platform, std::filesystem::path quizFolder,
                                 std::filesystem::path topicFile, const ProgramScreens& screens,
                                 const ProgramWindow& window, QWidget* parent)
    : PlatformDialog(platform, 400, parent), TitleEdit(new QLineEdit(this)),
      IconCheck(new QCheckBox(tr("Use Icon"), this)),
      IconGroup(new IconFileGroup(platform, quizFolder, tr(" Select Icon File "),
                                  tr("Select an Icon File"), QStringLiteral("Icon Files|*.ico"),
                                  this)),
      HelpCheck(new QCheckBox(tr(" Use Help File"), this)),
      HelpBtn(new QPushButton(tr("Select"), this)),
      VideoCheck(new QCheckBox(tr(" Show Video Mode Advisory"), this)),
      BackgroundBtn(new QPushButton(tr("Design Background Screen"), this)),
      OpeningCheck(new QCheckBox(tr(" Add Opening Screen"), this)),
      OpeningBtn(new QPushButton(tr("Create/Edit"), this)),
      ClosingCheck(new QCheckBox(tr(" Add Closing Screen"), this)),
      ClosingBtn(new QPushButton(tr("Create/Edit"), this)),
      IntroCheck(new QCheckBox(tr(" Add an Introduction"), this)),
      IntroBtn(new QPushButton(tr("Create/Edit"), this)),
      AboutCheck(new QCheckBox(tr(" Add an About Box"), this)),
      AboutBtn(new QPushButton(tr("Create/Edit"), this)),
      SaveBtn(new QPushButton(tr("&Save"), this)), CancelBtn(new QPushButton(tr("&Cancel"), this)),
      quizFolder_(std::move(quizFolder)), topicFile_(std::move(topicFile)), screens_(screens),
      window_(window) {
    setObjectName(QStringLiteral("TProgConfigForm"));
    setWindowTitle(tr("Press F1 for Help"));
    const std::pair<QWidget*, const char*> names[] = {{TitleEdit, "TitleEdit"},
                                                      {IconCheck, "IconCheck"},
                                                      {IconGroup, "IconGroup"},
                                                      {HelpCheck, "HelpCheck"},
                                                      {HelpBtn, "HelpBtn"},
                                                      {VideoCheck, "VideoCheck"},
                                                      {BackgroundBtn, "BackgroundBtn"},
                                                      {OpeningCheck, "OpeningCheck"},
                                                      {OpeningBtn, "OpeningBtn"},
                                                      {ClosingCheck, "ClosingCheck"},
                                                      {ClosingBtn, "ClosingBtn"},
                                                      {IntroCheck, "IntroCheck"},
                                                      {IntroBtn, "IntroBtn"},
                                                      {AboutCheck, "AboutCheck"},
                                                      {AboutBtn, "AboutBtn"},
                                                      {SaveBtn, "SaveBtn"},
                                                      {CancelBtn, "CancelBtn"}};
    for (const auto& [widget, name] : names)
        widget->setObjectName(QString::fromLatin1(name));
    TitleEdit->setMaxLength(ProgramWindow::kTitleCapacity);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SaveBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildGroup());
    layout->addLayout(buttons);
    loadCopies();

    for (QCheckBox* box : {HelpCheck, OpeningCheck, ClosingCheck, IntroCheck, AboutCheck})
        connect(box, &QCheckBox::clicked, this, &TProgConfigForm::enableButtons);
    connect(IconCheck, &QCheckBox::clicked, this, &TProgConfigForm::IconCheckClick);
    connect(OpeningBtn, &QPushButton::clicked, this, &TProgConfigForm::OpeningBtnClick);
    connect(ClosingBtn, &QPushButton::clicked, this, &TProgConfigForm::ClosingBtnClick);
    connect(IntroBtn, &QPushButton::clicked, this, &TProgConfigForm::IntroBtnClick);
    connect(AboutBtn, &QPushButton::clicked, this, &TProgConfigForm::AboutBtnClick);
    connect(HelpBtn, &QPushButton::clicked, this, &TProgConfigForm::HelpBtnClick);
    connect(BackgroundBtn, &QPushButton::clicked, this, &TProgConfigForm::BackgroundBtnClick);
    connect(SaveBtn, &QPushButton::clicked, this, &TProgConfigForm::SaveBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* TProgConfigForm::buildGroup() {
    auto* group = new QGroupBox(tr(" Customize the Program Presentation "), this);
    auto* title = new QFormLayout;
    title->addRow(tr("Title :"), TitleEdit);
    auto* grid = new QGridLayout;
    grid->addWidget(HelpCheck, 0, 0);
    grid->addWidget(HelpBtn, 0, 1);
    grid->addWidget(VideoCheck, 1, 0);
    grid->addWidget(BackgroundBtn, 1, 1);
    int row = 2;
    for (const auto& [box, button] :
         {std::pair{OpeningCheck, OpeningBtn}, std::pair{ClosingCheck, ClosingBtn},
          std::pair{IntroCheck, IntroBtn}, std::pair{AboutCheck, AboutBtn}}) {
        grid->addWidget(box, row, 0);
        grid->addWidget(button, row++, 1);
    }
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(title);
    layout->addWidget(IconCheck);
    layout->addWidget(IconGroup);
    layout->addLayout(grid);
    return group;
}

void TProgConfigForm::loadCopies() {
    TitleEdit->setText(ShownText(window_.programTitle()));
    IconCheck->setChecked(window_.useIcon());
    // An icon that has left the quiz folder is forgotten silently.
    if (!IconGroup->showFile(window_.iconFile()))
        window_.setIconFile("");
    IconGroup->setVisible(window_.useIcon());
    HelpCheck->setChecked(window_.useHelpFile());
    VideoCheck->setChecked(window_.showVideoAdvisory());
    OpeningCheck->setChecked(screens_.runOpeningCommand());
    ClosingCheck->setChecked(screens_.runClosingCommand());
    IntroCheck->setChecked(screens_.showIntroduction());
    AboutCheck->setChecked(screens_.showAboutBox());
    openingDefined_ = screens_.openingCommand().isDefined();
    closingDefined_ = screens_.closingCommand().isDefined();
    try {
        introductionStored_ = ReadIntroduction(topicFile_, introduction_);
    } catch (const std::exception& error) {
        ShowFileError(platform(), error);
    }
    enableButtons();
}

void TProgConfigForm::enableButtons() {
    HelpBtn->setEnabled(HelpCheck->isChecked());
    OpeningBtn->setEnabled(OpeningCheck->isChecked());
    ClosingBtn->setEnabled(ClosingCheck->isChecked());
    IntroBtn->setEnabled(IntroCheck->isChecked());
    AboutBtn->setEnabled(AboutCheck->isChecked());
}

void TProgConfigForm::IconCheckClick() {
    window_.setUseIcon(IconCheck->isChecked());
    IconGroup->setVisible(IconCheck->isChecked());
    IconGroup->showFile(window_.iconFile());
}

void TProgConfigForm::OpeningBtnClick() {
    const StepAside aside(platform(), *this);
    CommandRecord command = screens_.openingCommand();
    if (EditCommand(platform(), command, tr(" Opening Command Type "), 420, true, quizFolder_,
                    this)) {
        screens_.setOpeningCommand(command);
        openingDefined_ = true;
    }
}

void TProgConfigForm::ClosingBtnClick() {
    const StepAside aside(platform(), *this);
    CommandRecord command = screens_.closingCommand();
    if (EditCommand(platform(), command, tr(" Closing Command Type "), 430, false, quizFolder_,
                    this)) {
        screens_.setClosingCommand(command);
        closingDefined_ = true;
    }
}

void TProgConfigForm::IntroBtnClick() {
    window_.setProgramTitle(StoredText(TitleEdit->text()));
    if (EditIntroduction(platform(), quizFolder_, screens_, window_, introduction_, this))
        introductionEdited_ = true;
}

void TProgConfigForm::AboutBtnClick() {
    AboutBoxDesign about = screens_.aboutBox();
    if (DesignAboutBox(platform(), quizFolder_, about, this))
        screens_.setAboutBox(about);
}

void TProgConfigForm::HelpBtnClick() {
    EditHelpFile(platform(), quizFolder_, window_, this);
}

void TProgConfigForm::BackgroundBtnClick() {
    // The designer's preview is captioned with the title as typed so far.
    window_.setProgramTitle(StoredText(TitleEdit->text()));
    DesignProgramBackground(platform(), quizFolder_, window_, this);
}

bool TProgConfigForm::commandsDefined() {
    if (OpeningCheck->isChecked() && !openingDefined_) {
        platform().ShowError(tr("The Opening Command has not been defined"));
        OpeningBtn->setFocus();
        return false;
    }
    if (ClosingCheck->isChecked() && !closingDefined_) {
        platform().ShowError(tr("The Closing Command has not been defined"));
        ClosingBtn->setFocus();
        return false;
    }
    return true;
}

bool TProgConfigForm::storeIntroduction() {
    const IntroductionSave plan = PlanIntroductionSave(IntroCheck->isChecked(), introductionEdited_,
                                                       introduction_.empty(), introductionStored_);
    if (plan.refusedEmpty)
        platform().ShowError(tr("The Introduction has not been entered."));
    try {
        switch (plan.topic) {
        case IntroductionSave::Topic::Append:
            AppendIntroduction(topicFile_, introduction_);
            break;
        case IntroductionSave::Topic::Replace:
            ReplaceIntroduction(topicFile_, introduction_);
            break;
        case IntroductionSave::Topic::Delete:
            DeleteTopic(topicFile_, kIntroductionTopic, kIntroductionSource);
            break;
        case IntroductionSave::Topic::Keep:
            break;
        }
    } catch (const std::exception& error) {
        ShowFileError(platform(), error);
        return false;
    }
    screens_.setShowIntroduction(plan.showIntroduction);
    IntroCheck->setChecked(plan.showIntroduction);
    return true;
}

void TProgConfigForm::SaveBtnClick() {
    if (!commandsDefined())
        return;
    StoreIconChoice(window_, IconCheck->isChecked(), IconGroup->file());
    StoreHelpChoice(window_, HelpCheck->isChecked());
    window_.setShowVideoAdvisory(VideoCheck->isChecked());
    window_.setProgramTitle(StoredText(TitleEdit->text()));
    screens_.setShowAboutBox(AboutCheck->isChecked());
    screens_.setRunOpeningCommand(OpeningCheck->isChecked());
    screens_.setRunClosingCommand(ClosingCheck->isChecked());
    // A topic file that cannot be written keeps the dialog open with
    // everything the author entered.
    if (!storeIntroduction())
        return;
    accept();
}

bool ConfigureProgram(Platform& platform, const std::filesystem::path& quizFolder,
                      const std::filesystem::path& topicFile, ProgramScreens& screens,
                      ProgramWindow& window, QWidget* parent) {
    TProgConfigForm form(platform, quizFolder, topicFile, screens, window, parent);
    if (platform.RunModal(form) != QDialog::Accepted)
        return false;
    screens = form.screens();
    window = form.window();
    return true;
}

void ProgramPresentationCommand(Platform& platform, ProjectState& state, QWidget* parent) {
    ProgramScreens screens = state.settings.programScreens();
    ProgramWindow window = state.settings.programWindow();
    if (!ConfigureProgram(platform, state.quizFolder, state.topicFile, screens, window, parent))
        return;
    // The in-memory settings keep the change even when the file cannot be
    // written, so the author can try again.
    state.settings.setProgramScreens(screens);
    state.settings.setProgramWindow(window);
    state.quizCaption = window.programTitle();
    try {
        SaveQuizSettings(state.quizFile, state.settings);
    } catch (const std::exception& error) {
        ShowFileError(platform, error);
    }
}

} // namespace tavrin
