#include "ui/present/program/TDesignAboutForm.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/Platform.h"
#include "platform/PlatformConversions.h"
#include "ui/present/TAboutBox.h"
#include "ui/present/program/IconFileGroup.h"

namespace tavrin {

namespace {

QLineEdit* MakeEdit(QWidget* parent, const char* name, int length, const std::string& text) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(length);
    edit->setText(ShownText(text));
    return edit;
}

} // namespace

TDesignAboutForm::TDesignAboutForm(Platform& platform, std::filesystem::path quizFolder,
                                   const AboutBoxDesign& design, QWidget* parent)
    : PlatformDialog(platform, 440, parent),
      CaptionEdit(MakeEdit(this, "CaptionEdit", 40, design.caption())),
      IconCheckBox(new QCheckBox(tr("  Use Icon"), this)),
      IconGroup(new IconFileGroup(platform, quizFolder, QString(), tr("Select Icon File"),
                                  QStringLiteral("Icon Files|*.ICO"), this)),
      ProgramEdit(MakeEdit(this, "ProgramEdit", 32, design.programName())),
      VersionEdit(MakeEdit(this, "VersionEdit", 42, design.versionLine())),
      AuthorEdit(MakeEdit(this, "AuthorEdit", 42, design.authorLine())),
      ViewBtn(new QPushButton(tr("&View"), this)), OKBtn(new QPushButton(tr("&OK"), this)),
      CancelBtn(new QPushButton(tr("&Cancel"), this)), quizFolder_(std::move(quizFolder)),
      design_(design) {
    setObjectName(QStringLiteral("TDesignAboutForm"));
    setWindowTitle(tr("Press F1 for Help"));
    IconCheckBox->setObjectName(QStringLiteral("IconCheckBox"));
    ViewBtn->setObjectName(QStringLiteral("ViewBtn"));
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    auto* group = new QGroupBox(tr(" Design the About Box "), this);
    auto* fields = new QVBoxLayout(group);
    auto* caption = new QFormLayout;
    caption->addRow(tr("Caption :"), CaptionEdit);
    fields->addLayout(caption);
    fields->addWidget(IconCheckBox);
    fields->addWidget(IconGroup);
    fields->addWidget(buildLinesGroup());
    fields->addWidget(buildWhenGroup());
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {ViewBtn, OKBtn, CancelBtn})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);

    IconCheckBox->setChecked(design_.useIcon());
    IconGroup->showFile(design_.iconFile());
    IconGroup->setVisible(design_.useIcon());
    connect(IconCheckBox, &QCheckBox::clicked, this, &TDesignAboutForm::IconCheckBoxClick);
    connect(ViewBtn, &QPushButton::clicked, this, &TDesignAboutForm::ViewBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* TDesignAboutForm::buildLinesGroup() {
    auto* box = new QWidget(this);
    auto* lines = new QFormLayout(box);
    lines->setContentsMargins(0, 0, 0, 0);
    lines->addRow(tr("Program"), ProgramEdit);
    lines->addRow(tr("Version :"), VersionEdit);
    lines->addRow(tr("Author :"), AuthorEdit);
    auto* comments = new QGroupBox(tr("Comments"), box);
    auto* commentLayout = new QVBoxLayout(comments);
    for (int line = 0; line < 4; ++line) {
        const std::string name = "CommentEdit" + std::to_string(line + 1);
        CommentEdit[line] = MakeEdit(comments, name.c_str(), 65, design_.commentLine(line + 1));
        commentLayout->addWidget(CommentEdit[line]);
    }
    lines->addRow(comments);
    return box;
}

QWidget* TDesignAboutForm::buildWhenGroup() {
    auto* group = new QGroupBox(tr(" Display About Box when program "), this);
    auto* layout = new QHBoxLayout(group);
    const char* const captions[] = {"  Starts", "  Ends", " Both", " Neither"};
    for (int when = 0; when < 4; ++when) {
        WhenRadio[when] = new QRadioButton(tr(captions[when]), group);
        WhenRadio[when]->setObjectName(QStringLiteral("WhenRadio%1").arg(when));
        layout->addWidget(WhenRadio[when]);
    }
    const int stored = design_.whenToShow();
    WhenRadio[stored >= 0 && stored <= 3 ? stored : 0]->setChecked(true);
    return group;
}

AboutBoxDesign TDesignAboutForm::design() const {
    AboutBoxDesign design = design_;
    design.setCaption(StoredText(CaptionEdit->text()));
    const std::string icon = IconGroup->file();
    const bool useIcon = IconCheckBox->isChecked() && !icon.empty();
    design.setUseIcon(useIcon);
    design.setIconFile(useIcon ? icon : std::string());
    design.setProgramName(StoredText(ProgramEdit->text()));
    design.setVersionLine(StoredText(VersionEdit->text()));
    design.setAuthorLine(StoredText(AuthorEdit->text()));
    for (int line = 0; line < 4; ++line)
        design.setCommentLine(line + 1, StoredText(CommentEdit[line]->text()));
    for (std::int16_t when = 0; when < 4; ++when)
        if (WhenRadio[when]->isChecked())
            design.setWhenToShow(when);
    return design;
}

void TDesignAboutForm::IconCheckBoxClick() {
    IconGroup->setVisible(IconCheckBox->isChecked());
}

void TDesignAboutForm::ViewBtnClick() {
    ShowAboutBox(platform(), quizFolder_, design(), this);
}

bool DesignAboutBox(Platform& platform, const std::filesystem::path& quizFolder,
                    AboutBoxDesign& design, QWidget* parent) {
    TDesignAboutForm form(platform, quizFolder, design, parent);
    if (platform.RunModal(form) != QDialog::Accepted)
        return false;
    design = form.design();
    return true;
}

} // namespace tavrin
