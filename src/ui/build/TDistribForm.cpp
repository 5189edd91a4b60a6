#include "ui/build/TDistribForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

#include "core/build/Distribution.h"

namespace tavrin {

namespace {

constexpr int kDistributionHelp = 290;
const char* const kProposedFolder = "DISTRIB";

QString toQt(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// The mounted volumes stand in for drives; the root always comes first.
QStringList mountedVolumes() {
    QStringList volumes{QDir::rootPath()};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && !volumes.contains(volume.rootPath()))
            volumes.append(volume.rootPath());
    }
    return volumes;
}

} // namespace

TDistribForm::TDistribForm(Platform& platform, std::filesystem::path quizFolder, bool executable,
                           QWidget* parent)
    : PlatformDialog(platform, kDistributionHelp, parent), DriveComboBox1(new QComboBox(this)),
      DirectoryListBox1(new QTreeView(this)), Edit1(new QLineEdit(this)),
      GroupBox1(new QGroupBox(tr(" Program to Distribute "), this)),
      RadioButton1(new QRadioButton(tr("Compiled Quiz"), GroupBox1)),
      RadioButton2(new QRadioButton(tr("Executable Quiz"), GroupBox1)),
      RadioButton3(new QRadioButton(tr("Web Quiz"), GroupBox1)),
      CheckBox1(new QCheckBox(tr("&SCORM package"), GroupBox1)),
      BitBtn1(new QPushButton(tr("&OK"), this)), BitBtn2(new QPushButton(tr("&Cancel"), this)),
      quizFolder_(std::move(quizFolder)), folders_(new QFileSystemModel(this)) {
    setObjectName(QStringLiteral("TDistribForm"));
    setWindowTitle(tr("Press F1 for Help"));
    for (auto [widget, name] : {std::pair<QWidget*, const char*>{DriveComboBox1, "DriveComboBox1"},
                                {DirectoryListBox1, "DirectoryListBox1"},
                                {Edit1, "Edit1"},
                                {GroupBox1, "GroupBox1"},
                                {RadioButton1, "RadioButton1"},
                                {RadioButton2, "RadioButton2"},
                                {RadioButton3, "RadioButton3"},
                                {CheckBox1, "CheckBox1"},
                                {BitBtn1, "BitBtn1"},
                                {BitBtn2, "BitBtn2"}})
        widget->setObjectName(QString::fromLatin1(name));

    DriveComboBox1->addItems(mountedVolumes());
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folders_->setRootPath(QDir::rootPath());
    DirectoryListBox1->setModel(folders_);
    for (int column = 1; column < folders_->columnCount(); ++column)
        DirectoryListBox1->hideColumn(column);
    DirectoryListBox1->header()->hide();

    RadioButton2->setChecked(executable);
    RadioButton1->setChecked(!executable);
    auto* radios = new QVBoxLayout(GroupBox1);
    radios->addWidget(RadioButton1);
    radios->addWidget(RadioButton2);
    radios->addWidget(RadioButton3);
    radios->addWidget(CheckBox1);
    CheckBox1->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(tr("Select  Drive :"), this), 0, 0);
    layout->addWidget(DriveComboBox1, 0, 1);
    layout->addWidget(new QLabel(tr("Create or Select a Distribution Directory "), this), 1, 0, 1,
                      2);
    layout->addWidget(Edit1, 2, 0, 1, 2);
    layout->addWidget(DirectoryListBox1, 3, 0, 1, 2);
    layout->addWidget(GroupBox1, 4, 0, 1, 2);
    layout->addLayout(buttons, 5, 0, 1, 2);
    resize(460, 490);
    BitBtn1->setDefault(true);

    connect(DriveComboBox1, &QComboBox::currentIndexChanged, this,
            &TDistribForm::DriveComboBox1Change);
    connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TDistribForm::DirectoryListBox1Change);
    connect(BitBtn1, &QPushButton::clicked, this, &TDistribForm::BitBtn1Click);
    connect(RadioButton3, &QRadioButton::toggled, this, &TDistribForm::RadioButton3Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    const QModelIndex start = folders_->index(toQt(quizFolder_));
    DirectoryListBox1->setCurrentIndex(start);
    DirectoryListBox1->scrollTo(start);
    // The quiz folder itself is refused; a folder of its own inside it is
    // accepted and is created when the files are copied.
    Edit1->setText(toQt(quizFolder_ / kProposedFolder));
    Edit1->setFocus();
}

DistributionChoice TDistribForm::choice() const {
    const bool web = RadioButton3->isChecked();
    return {std::filesystem::path(Edit1->text().trimmed().toStdString()),
            !RadioButton1->isChecked(), web, web && CheckBox1->isChecked()};
}

// The package is a form of the web quiz only.
void TDistribForm::RadioButton3Click() {
    CheckBox1->setEnabled(RadioButton3->isChecked());
}

void TDistribForm::DriveComboBox1Change() {
    const QString root = DriveComboBox1->currentText();
    DirectoryListBox1->setCurrentIndex(folders_->index(root));
    Edit1->setText(root);
}

void TDistribForm::DirectoryListBox1Change() {
    const QString folder = folders_->filePath(DirectoryListBox1->currentIndex());
    if (!folder.isEmpty())
        Edit1->setText(folder);
}

void TDistribForm::BitBtn1Click() {
    const QString typed = Edit1->text().trimmed();
    if (typed.isEmpty() || QDir::isRelativePath(typed)) {
        platform().ShowError(tr("Please enter the full path of the distribution directory."));
        Edit1->setFocus();
        return;
    }
    const std::string refusal = DestinationRefusal(choice().folder, quizFolder_);
    if (!refusal.empty()) {
        platform().ShowError(QString::fromStdString(refusal));
        Edit1->setFocus();
        return;
    }
    accept();
}

std::optional<DistributionChoice> ChooseDistributionFolder(Platform& platform,
                                                           const std::filesystem::path& quizFolder,
                                                           bool executable) {
    TDistribForm form(platform, quizFolder, executable);
    if (platform.RunModal(form) != QDialog::Accepted)
        return std::nullopt;
    return form.choice();
}

} // namespace tavrin
