#include "ui/shell/TImportReportForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrin {

TImportReportForm::TImportReportForm(Platform& platform, const QString& report, bool canImport,
                                     QWidget* parent)
    : PlatformDialog(platform, 160, parent),
      Label1(new QLabel(canImport ? tr("Import the questions that fit the quiz?")
                                  : tr("No question of the file fits the quiz."),
                        this)),
      ReportMemo(new QPlainTextEdit(this)), ImportBtn(new QPushButton(tr("&Import"), this)),
      CancelBtn(new QPushButton(tr("Cancel"), this)), HelpBtn(new QPushButton(tr("&Help"), this)) {
    setObjectName(QStringLiteral("TImportReportForm"));
    setWindowTitle(tr("Import Questions"));
    Label1->setObjectName(QStringLiteral("Label1"));
    ReportMemo->setObjectName(QStringLiteral("ReportMemo"));
    ImportBtn->setObjectName(QStringLiteral("ImportBtn"));
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    HelpBtn->setObjectName(QStringLiteral("HelpBtn"));
    ReportMemo->setReadOnly(true);
    ReportMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    ReportMemo->setPlainText(report);
    ImportBtn->setEnabled(canImport);
    (canImport ? ImportBtn : CancelBtn)->setDefault(true);
    resize(620, 400);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ImportBtn);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(HelpBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(ReportMemo, 1);
    layout->addLayout(buttons);

    connect(ImportBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, &PlatformDialog::showFormHelp);
}

} // namespace tavrin
