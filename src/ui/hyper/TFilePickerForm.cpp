#include "ui/hyper/TFilePickerForm.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/bytes/FileError.h"
#include "core/files/FolderNames.h"
#include "core/files/PickedFile.h"
#include "platform/PlatformConversions.h"
#include "ui/hyper/LinkPreview.h"
#include "ui/hyper/PickerKinds.h"

namespace tavrin {

TFilePickerForm::TFilePickerForm(Platform& platform, PickerKind kind,
                                 std::filesystem::path quizFolder, QWidget* parent)
    : PlatformDialog(platform, DescribePicker(kind).helpContext, parent),
      GroupBox1(new QGroupBox(this)), Edit1(new QLineEdit(GroupBox1)),
      FileListBox1(new QListWidget(GroupBox1)), FindBtn(new QPushButton(tr("&Find File"), this)),
      ViewBtn(new QPushButton(tr("&View"), this)), OKBtn(new QPushButton(tr("&OK"), this)),
      CancelBtn(new QPushButton(tr("&Cancel"), this)), kind_(kind),
      quizFolder_(std::move(quizFolder)) {
    const PickerDescription& d = DescribePicker(kind);
    setObjectName(d.formName);
    SetPickerLook(*this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setTitle(d.groupCaption);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    FindBtn->setObjectName(QStringLiteral("FindBtn"));
    ViewBtn->setObjectName(QStringLiteral("ViewBtn"));
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    if (kind == PickerKind::Program || kind == PickerKind::Html) {
        Edit1->setMaxLength(50);
    }
    auto* group = new QVBoxLayout(GroupBox1);
    group->addWidget(Edit1);
    group->addWidget(FileListBox1);
    if (kind == PickerKind::Graphic) {
        DurationLabel = new QLabel(tr("Duration (1/10th sec)"), GroupBox1);
        DurationEdit = new QLineEdit(QStringLiteral("0"), GroupBox1);
        DurationEdit->setObjectName(QStringLiteral("DurationEdit"));
        DurationEdit->setMaxLength(4);
        DurationEdit->installEventFilter(this);
        group->addWidget(DurationLabel);
        group->addWidget(DurationEdit);
    }
    if (kind == PickerKind::Program) {
        ParamLabel = new QLabel(tr("Parameters :"), GroupBox1);
        ParamEdit = new QLineEdit(GroupBox1);
        ParamEdit->setObjectName(QStringLiteral("ParamEdit"));
        group->addWidget(ParamLabel);
        group->addWidget(ParamEdit);
    }
    if (kind == PickerKind::Html) {
        Edit1->installEventFilter(this);
    }
    auto* side = new QVBoxLayout;
    side->addWidget(FindBtn);
    side->addWidget(ViewBtn);
    side->addStretch();
    side->addWidget(OKBtn);
    side->addWidget(CancelBtn);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(GroupBox1, 1);
    layout->addLayout(side);
    resize(420, 320);

    connect(FileListBox1, &QListWidget::itemClicked, this, &TFilePickerForm::FileListBox1Click);
    connect(FindBtn, &QPushButton::clicked, this, &TFilePickerForm::FindBtnClick);
    connect(ViewBtn, &QPushButton::clicked, this, &TFilePickerForm::ViewBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &TFilePickerForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(Edit1, &QLineEdit::textChanged, this, &TFilePickerForm::enableView);
    refreshList();
    enableView();
}

void TFilePickerForm::setValue(const QString& file, int duration) {
    if (ParamEdit != nullptr) {
        const qsizetype comma = file.indexOf(',');
        Edit1->setText(comma < 0 ? file : file.left(comma));
        ParamEdit->setText(comma < 0 ? QString() : file.mid(comma + 1));
    } else {
        Edit1->setText(file);
    }
    if (DurationEdit != nullptr) {
        DurationEdit->setText(QString::number(duration));
    }
    enableView();
}

QString TFilePickerForm::file() const {
    return Edit1->text();
}

int TFilePickerForm::duration() const {
    return DurationEdit == nullptr ? 0 : DurationEdit->text().toInt();
}

QString TFilePickerForm::command() const {
    if (DurationEdit != nullptr) {
        return file() + ',' + QString::number(duration());
    }
    if (ParamEdit != nullptr && !ParamEdit->text().isEmpty()) {
        return file() + ',' + ParamEdit->text();
    }
    return file();
}

void TFilePickerForm::refreshList() {
    FileListBox1->clear();
    for (const QString& name : PickerFolderList(quizFolder_, DescribePicker(kind_).listMask)) {
        FileListBox1->addItem(name);
    }
}

void TFilePickerForm::enableView() {
    ViewBtn->setEnabled(kind_ == PickerKind::Video || !Edit1->text().isEmpty());
}

void TFilePickerForm::FileListBox1Click() {
    if (QListWidgetItem* item = FileListBox1->currentItem()) {
        Edit1->setText(item->text());
    }
    enableView();
}

void TFilePickerForm::FindBtnClick() {
    const PickerDescription& d = DescribePicker(kind_);
    const std::optional<QString> name =
        FindFileIntoQuizFolder(platform(), quizFolder_, d, Edit1->text(), d.presetMasks);
    if (name) {
        refreshList();
        Edit1->setText(*name);
    }
    enableView();
}

void TFilePickerForm::ViewBtnClick() {
    if (Edit1->text().isEmpty()) {
        return;
    }
    switch (kind_) {
    case PickerKind::Graphic:
        PreviewMultimedia(platform(), CurrentTopicCaption(), StoredText(command()), quizFolder_);
        break;
    case PickerKind::Voice:
    case PickerKind::Midi:
    case PickerKind::Video:
        PreviewMultimedia(platform(), QString(), StoredText(file()), quizFolder_);
        break;
    case PickerKind::Program:
        RunLinkedProgram(platform(), 4, StoredText(command()), quizFolder_);
        break;
    case PickerKind::Html:
        platform().OpenDocument(
            QString::fromStdString((quizFolder_ / file().toStdString()).string()));
        break;
    }
}

bool TFilePickerForm::DurationEditExit() {
    return ConfirmDurationBox(platform(), *DurationEdit);
}

void TFilePickerForm::OKBtnClick() {
    if (DurationEdit != nullptr && !DurationEditExit()) {
        return;
    }
    if (Edit1->text().isEmpty()) {
        platform().ShowError(DescribePicker(kind_).emptyMessage);
        Edit1->setFocus();
        return;
    }
    if (!ConfirmStorableName(platform(), *Edit1)) {
        return;
    }
    accept();
}

bool TFilePickerForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == DurationEdit && event->type() == QEvent::FocusOut && isVisible()) {
        DurationEditExit();
    }
    if (watched == Edit1 && event->type() == QEvent::MouseButtonPress) {
        enableView();
    }
    return PlatformDialog::eventFilter(watched, event);
}

} // namespace tavrin
