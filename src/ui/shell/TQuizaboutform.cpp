#include "ui/shell/TQuizaboutform.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrin {

TQuizaboutform::TQuizaboutform(Platform& platform, const QString& programTitle, QWidget* parent)
    : PlatformDialog(platform, kHelpContext, parent),
      ProgramLbl(new QLabel(QStringLiteral("Tavrin"), this)),
      VersionLbl(new QLabel(programTitle, this)),
      DescriptionLbl(new QLabel(
          QStringLiteral("Builds quizzes and turns them into programs that learners run."), this)),
      CloseBtn(new QPushButton(QStringLiteral("&Close"), this)) {
    setObjectName(QStringLiteral("TQuizaboutform"));
    setWindowTitle(QStringLiteral("About Tavrin"));
    ProgramLbl->setObjectName(QStringLiteral("ProgramLbl"));
    VersionLbl->setObjectName(QStringLiteral("VersionLbl"));
    DescriptionLbl->setObjectName(QStringLiteral("DescriptionLbl"));
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));

    QFont big = ProgramLbl->font();
    big.setPointSize(big.pointSize() + 8);
    big.setBold(true);
    ProgramLbl->setFont(big);
    for (QLabel* label : {ProgramLbl, VersionLbl, DescriptionLbl})
        label->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ProgramLbl);
    layout->addWidget(VersionLbl);
    layout->addWidget(DescriptionLbl);
    layout->addSpacing(12);
    layout->addWidget(CloseBtn, 0, Qt::AlignCenter);
    CloseBtn->setDefault(true);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace tavrin
