#include "ui/present/TAboutBox.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "core/files/FolderNames.h"
#include "platform/PlatformConversions.h"

namespace tavrin {
namespace {

constexpr int kPanelWidth = 281;
constexpr int kTextLeftBesideIcon = 88;

QLabel* MakeLabel(QWidget* parent, const char* name, int top, int height) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(kTextLeftBesideIcon, top, kPanelWidth - kTextLeftBesideIcon - 8, height);
    return label;
}

} // namespace

QString AboutBoxComments(const AboutBoxDesign& design) {
    QString text;
    for (int line = 1; line <= AboutBoxDesign::kCommentLines; ++line) {
        const std::string comment = design.commentLine(line);
        text += comment.empty() ? QStringLiteral("\n\n") : ShownText(comment) + QLatin1Char(' ');
    }
    return text;
}

TAboutBox::TAboutBox(Platform& platform, const AboutBoxDesign& design,
                     const std::filesystem::path& icon, QWidget* parent)
    : PlatformDialog(platform, 0, parent) {
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(ShownText(design.caption()));
    setFixedSize(298, 239);
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setGeometry(8, 8, kPanelWidth, 185);
    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(8, 8, 65, 57);
    ProductName = MakeLabel(Panel1, "ProductName", 16, 16);
    Version = MakeLabel(Panel1, "Version", 40, 16);
    Copyright = MakeLabel(Panel1, "Copyright", 80, 16);
    Comments = MakeLabel(Panel1, "Comments", 104, 73);
    Comments->setWordWrap(true);
    Comments->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(111, 203, 75, 26);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    if (!icon.empty()) {
        ProgramIcon->setPixmap(QPixmap(QString::fromStdString(icon.string())));
    } else {
        // Without an icon the texts take the whole panel.
        ProgramIcon->hide();
        for (QLabel* label : {ProductName, Version, Copyright, Comments})
            label->setGeometry(8, label->y(), kPanelWidth - 16, label->height());
    }
    ProductName->setText(ShownText(design.programName()));
    Version->setText(ShownText(design.versionLine()));
    Copyright->setText(ShownText(design.authorLine()));
    Comments->setText(AboutBoxComments(design));
}

void ShowAboutBox(Platform& platform, const std::filesystem::path& quizFolder,
                  const AboutBoxDesign& design, QWidget* parent) {
    std::filesystem::path icon;
    if (design.useIcon()) {
        const auto found = ResolveInFolder(quizFolder, design.iconFile());
        std::error_code ec;
        if (design.iconFile().empty() || !found || !std::filesystem::is_regular_file(*found, ec)) {
            platform.ShowError(QStringLiteral("The Icon file ") + ShownText(design.iconFile()) +
                               QStringLiteral(" is missing"));
            return;
        }
        icon = *found;
    }
    TAboutBox box(platform, design, icon, parent);
    platform.RunModal(box);
}

} // namespace tavrin
