#include "ui/present/program/TIntroDesignForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Platform.h"
#include "ui/present/TIntDesignBackForm.h"
#include "ui/present/program/TChangeTextForm.h"
#include "ui/present/program/TVPDesignTitleForm.h"

namespace tavrin {

TIntroDesignForm::TIntroDesignForm(Platform& platform, std::filesystem::path quizFolder,
                                   const ProgramScreens& screens, const ProgramWindow& window,
                                   std::string rtf, QWidget* parent)
    : PlatformDialog(platform, 460, parent), TitleCheck(new QCheckBox(tr(" Use TitleBar"), this)),
      TitleBtn(new QPushButton(tr("Create/Edit"), this)),
      StatusCheck(new QCheckBox(tr(" Use StatusBar"), this)),
      StatusBtn(new QPushButton(tr("Create/Edit"), this)),
      TextWindowCheck(new QCheckBox(tr(" Use Text Window"), this)),
      TextWindowBtn(new QPushButton(tr("Create/Edit"), this)),
      MenuCheck(new QCheckBox(tr(" Use MenuBar"), this)),
      MenuBtn(new QPushButton(tr("Define Text"), this)), OKBtn(new QPushButton(tr("&OK"), this)),
      CancelBtn(new QPushButton(tr("&Cancel"), this)), quizFolder_(std::move(quizFolder)),
      screens_(screens), window_(window), rtf_(std::move(rtf)) {
    setObjectName(QStringLiteral("TIntroDesignForm"));
    setWindowTitle(tr("Press F1 for Help"));
    const std::pair<QWidget*, const char*> names[] = {{TitleCheck, "TitleCheck"},
                                                      {TitleBtn, "TitleBtn"},
                                                      {StatusCheck, "StatusCheck"},
                                                      {StatusBtn, "StatusBtn"},
                                                      {TextWindowCheck, "TextWindowCheck"},
                                                      {TextWindowBtn, "TextWindowBtn"},
                                                      {MenuCheck, "MenuCheck"},
                                                      {MenuBtn, "MenuBtn"},
                                                      {OKBtn, "OKBtn"},
                                                      {CancelBtn, "CancelBtn"}};
    for (const auto& [widget, name] : names)
        widget->setObjectName(QString::fromLatin1(name));

    auto* group = new QGroupBox(tr(" Design Introduction Screen "), this);
    auto* grid = new QGridLayout(group);
    const std::pair<QCheckBox*, QPushButton*> rows[] = {{TitleCheck, TitleBtn},
                                                        {StatusCheck, StatusBtn},
                                                        {TextWindowCheck, TextWindowBtn},
                                                        {MenuCheck, MenuBtn}};
    int row = 0;
    for (const auto& [check, button] : rows) {
        grid->addWidget(check, row, 0);
        grid->addWidget(button, row++, 1);
        connect(check, &QCheckBox::clicked, this, &TIntroDesignForm::storeFlags);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);

    const IntroScreenDesign intro = screens_.introScreen();
    TitleCheck->setChecked(intro.useTitleBar());
    StatusCheck->setChecked(intro.useStatusBar());
    TextWindowCheck->setChecked(!intro.textWindow().fullscreen());
    MenuCheck->setChecked(intro.useMenuBar());
    enableButtons();

    connect(TitleBtn, &QPushButton::clicked, this, &TIntroDesignForm::TitleBtnClick);
    connect(StatusBtn, &QPushButton::clicked, this, &TIntroDesignForm::StatusBtnClick);
    connect(TextWindowBtn, &QPushButton::clicked, this, &TIntroDesignForm::TextWindowBtnClick);
    connect(MenuBtn, &QPushButton::clicked, this, &TIntroDesignForm::MenuBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TIntroDesignForm::enableButtons() {
    TitleBtn->setEnabled(TitleCheck->isChecked());
    StatusBtn->setEnabled(StatusCheck->isChecked());
    TextWindowBtn->setEnabled(TextWindowCheck->isChecked());
    MenuBtn->setEnabled(MenuCheck->isChecked());
}

void TIntroDesignForm::storeFlags() {
    screens_ = screens();
    enableButtons();
}

void TIntroDesignForm::TitleBtnClick() {
    IntroScreenDesign intro = screens_.introScreen();
    if (DesignIntroductionBar(platform(), intro, TVPDesignTitleForm::Bar::Title, this))
        screens_.setIntroScreen(intro);
}

void TIntroDesignForm::StatusBtnClick() {
    IntroScreenDesign intro = screens_.introScreen();
    if (DesignIntroductionBar(platform(), intro, TVPDesignTitleForm::Bar::Status, this))
        screens_.setIntroScreen(intro);
}

void TIntroDesignForm::TextWindowBtnClick() {
    DesignIntroductionBackground(platform(), quizFolder_, screens_, window_, rtf_, this);
}

void TIntroDesignForm::MenuBtnClick() {
    ChangeMenuTexts(platform(), screens_, this);
}

ProgramScreens TIntroDesignForm::screens() const {
    ProgramScreens screens = screens_;
    IntroScreenDesign intro = screens.introScreen();
    intro.setUseTitleBar(TitleCheck->isChecked());
    intro.setUseStatusBar(StatusCheck->isChecked());
    ViewPortDesign textWindow = intro.textWindow();
    textWindow.setFullscreen(!TextWindowCheck->isChecked());
    intro.setTextWindow(textWindow);
    intro.setUseMenuBar(MenuCheck->isChecked());
    screens.setIntroScreen(intro);
    return screens;
}

bool DesignIntroductionScreen(Platform& platform, const std::filesystem::path& quizFolder,
                              ProgramScreens& screens, const ProgramWindow& window,
                              const std::string& rtf, QWidget* parent) {
    TIntroDesignForm form(platform, quizFolder, screens, window, rtf, parent);
    if (platform.RunModal(form) != QDialog::Accepted)
        return false;
    screens = form.screens();
    return true;
}

} // namespace tavrin
