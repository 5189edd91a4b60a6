#include "ui/present/quiz/TFunctionsForm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/project/ProjectState.h"
#include "platform/PlatformConversions.h"
#include "ui/present/quiz/DesignParts.h"

namespace tavrin {
namespace {

QCheckBox* MakeCheckBox(const QString& name, const QString& caption, bool checked,
                        QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

} // namespace

TFunctionsForm::TFunctionsForm(Platform& platform, ProjectState& state, QWidget* parent)
    : PlatformDialog(platform, 310, parent),
      GroupBox1(new QGroupBox(tr(" Set Quiz Functions "), this)),
      SaveBtn(MakeNamedButton("SaveBtn", tr("&Save"), this)),
      CancelBtn(MakeNamedButton("CancelBtn", tr("&Cancel"), this)), state_(state) {
    setObjectName(QStringLiteral("TFunctionsForm"));
    setWindowTitle(tr("Customize Quiz Functions"));
    const QuizSettings& s = state.settings;
    TakeAllCheckBox =
        MakeCheckBox("TakeAllCheckBox", tr("&Take all Questions"), s.takeAllQuestions(), GroupBox1);
    PreviewCheckBox = MakeCheckBox("PreviewCheckBox", tr("&Allow Question Preview"),
                                   s.allowQuestionPreview(), GroupBox1);
    ReviewCheckBox = MakeCheckBox("ReviewCheckBox", tr("Allow Post-Quiz &Review"),
                                  s.allowPostQuizReview(), GroupBox1);
    PrinterCheckBox = MakeCheckBox("PrinterCheckBox", tr("Save Results to &Printer"),
                                   s.saveResultsToPrinter(), GroupBox1);
    SwapFileCheckBox =
        MakeCheckBox("SwapFileCheckBox", tr("&Use Data Swap File"), s.useDataSwapFile(), GroupBox1);
    DiskCheckBox =
        MakeCheckBox("DiskCheckBox", tr("Save Results to &Disk"), s.saveResultsToDisk(), GroupBox1);
    FileNameGroup = new QGroupBox(tr(" Filename "), GroupBox1);
    FileNameGroup->setObjectName(QStringLiteral("FileNameGroup"));
    FileNameEdit = new QLineEdit(ShownText(s.resultsFileName()), FileNameGroup);
    FileNameEdit->setObjectName(QStringLiteral("FileNameEdit"));
    FileNameEdit->setMaxLength(static_cast<int>(QuizSettings::kResultsFileCapacity));
    (new QVBoxLayout(FileNameGroup))->addWidget(FileNameEdit);
    FileNameGroup->setVisible(DiskCheckBox->isChecked());

    auto* boxes = new QVBoxLayout(GroupBox1);
    for (QWidget* w : std::initializer_list<QWidget*>{
             TakeAllCheckBox, PreviewCheckBox, ReviewCheckBox, PrinterCheckBox, SwapFileCheckBox,
             DiskCheckBox, FileNameGroup})
        boxes->addWidget(w);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SaveBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(buttons);
    setMinimumWidth(380);

    connect(DiskCheckBox, &QCheckBox::clicked, this, &TFunctionsForm::DiskCheckBoxClick);
    connect(SaveBtn, &QPushButton::clicked, this, &TFunctionsForm::SaveBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TFunctionsForm::DiskCheckBoxClick() {
    FileNameGroup->setVisible(DiskCheckBox->isChecked());
}

void TFunctionsForm::SaveBtnClick() {
    QuizSettings& s = state_.settings;
    s.setTakeAllQuestions(TakeAllCheckBox->isChecked());
    s.setAllowQuestionPreview(PreviewCheckBox->isChecked());
    s.setAllowPostQuizReview(ReviewCheckBox->isChecked());
    s.setSaveResultsToPrinter(PrinterCheckBox->isChecked());
    s.setUseDataSwapFile(SwapFileCheckBox->isChecked());
    s.setSaveResultsToDisk(DiskCheckBox->isChecked());
    s.setResultsFileName(StoredText(FileNameEdit->text()));
    SaveQuizFile(platform(), state_);
    accept();
}

void RunQuizFunctionsDesign(Platform& platform, ProjectState& state, QWidget* parent) {
    TFunctionsForm form(platform, state, parent);
    platform.RunModal(form);
}

} // namespace tavrin
