#include "ui/hyper/TGetGrAudioForm.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <tuple>

#include "platform/PlatformConversions.h"
#include "ui/hyper/LinkPreview.h"
#include "ui/hyper/PickerKinds.h"
#include "ui/hyper/TFilePickerForm.h"

namespace tavrin {

TGetGrAudioForm::TGetGrAudioForm(Platform& platform, std::filesystem::path quizFolder,
                                 QWidget* parent)
    : PlatformDialog(platform, 560, parent), GroupBox1(new QGroupBox(this)),
      Edit1(new QLineEdit(GroupBox1)), FileListBox1(new QListWidget(GroupBox1)),
      FindBtn(new QPushButton(tr("&Find File"), GroupBox1)), GroupBox2(new QGroupBox(this)),
      Edit2(new QLineEdit(GroupBox2)), FileListBox2(new QListWidget(GroupBox2)),
      FindBtn2(new QPushButton(tr("Fi&nd File"), GroupBox2)),
      DurationEdit(new QLineEdit(QStringLiteral("0"), this)),
      ViewBtn(new QPushButton(tr("&View"), this)), OKBtn(new QPushButton(tr("&OK"), this)),
      CancelBtn(new QPushButton(tr("&Cancel"), this)), quizFolder_(std::move(quizFolder)) {
    setObjectName(QStringLiteral("TGetGrAudioForm"));
    SetPickerLook(*this);
    GroupBox1->setTitle(DescribePicker(PickerKind::Graphic).groupCaption);
    GroupBox2->setTitle(DescribeSoundOfGraphicAndSound().groupCaption);
    const std::pair<QObject*, const char*> names[] = {
        {GroupBox1, "GroupBox1"},       {Edit1, "Edit1"},         {FileListBox1, "FileListBox1"},
        {FindBtn, "FindBtn"},           {GroupBox2, "GroupBox2"}, {Edit2, "Edit2"},
        {FileListBox2, "FileListBox2"}, {FindBtn2, "FindBtn2"},   {DurationEdit, "DurationEdit"},
        {ViewBtn, "ViewBtn"},           {OKBtn, "OKBtn"},         {CancelBtn, "CancelBtn"}};
    for (const auto& [object, name] : names) {
        object->setObjectName(QString::fromLatin1(name));
    }
    DurationEdit->setMaxLength(4);
    DurationEdit->installEventFilter(this);
    for (auto [group, edit, list, find] : {std::tuple{GroupBox1, Edit1, FileListBox1, FindBtn},
                                           std::tuple{GroupBox2, Edit2, FileListBox2, FindBtn2}}) {
        auto* layout = new QVBoxLayout(group);
        layout->addWidget(edit);
        layout->addWidget(list);
        layout->addWidget(find);
        connect(list, &QListWidget::itemClicked, this, [this, edit](QListWidgetItem* item) {
            edit->setText(item->text());
            enableView();
        });
    }
    auto* lists = new QHBoxLayout;
    lists->addWidget(GroupBox1);
    lists->addWidget(GroupBox2);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(tr("Duration (1/10th sec)"), this));
    bottom->addWidget(DurationEdit);
    bottom->addStretch();
    bottom->addWidget(ViewBtn);
    bottom->addWidget(OKBtn);
    bottom->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(bottom);
    connect(FindBtn, &QPushButton::clicked, this, &TGetGrAudioForm::FindBtnClick);
    connect(FindBtn2, &QPushButton::clicked, this, &TGetGrAudioForm::FindBtn2Click);
    connect(ViewBtn, &QPushButton::clicked, this, &TGetGrAudioForm::ViewBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &TGetGrAudioForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(Edit1, &QLineEdit::textChanged, this, &TGetGrAudioForm::enableView);
    connect(Edit2, &QLineEdit::textChanged, this, &TGetGrAudioForm::enableView);
    refreshLists();
    enableView();
}

void TGetGrAudioForm::setValues(const QString& graphic, const QString& sound, int duration) {
    Edit1->setText(graphic);
    Edit2->setText(sound);
    DurationEdit->setText(QString::number(duration));
}

QString TGetGrAudioForm::command() const {
    return Edit1->text() + ',' + Edit2->text() + ',' +
           QString::number(DurationEdit->text().toInt());
}

void TGetGrAudioForm::refreshLists() {
    FileListBox1->clear();
    FileListBox1->addItems(
        PickerFolderList(quizFolder_, DescribePicker(PickerKind::Graphic).listMask));
    FileListBox2->clear();
    FileListBox2->addItems(
        PickerFolderList(quizFolder_, DescribeSoundOfGraphicAndSound().listMask));
}

void TGetGrAudioForm::enableView() {
    ViewBtn->setEnabled(!Edit1->text().isEmpty() && !Edit2->text().isEmpty());
}

void TGetGrAudioForm::FindBtnClick() {
    const PickerDescription& d = DescribePicker(PickerKind::Graphic);
    if (const auto name =
            FindFileIntoQuizFolder(platform(), quizFolder_, d, Edit1->text(), d.presetMasks)) {
        refreshLists();
        Edit1->setText(*name);
    }
}

void TGetGrAudioForm::FindBtn2Click() {
    const PickerDescription& d = DescribeSoundOfGraphicAndSound();
    if (const auto name =
            FindFileIntoQuizFolder(platform(), quizFolder_, d, Edit2->text(), d.presetMasks)) {
        refreshLists();
        Edit2->setText(*name);
    }
}

void TGetGrAudioForm::ViewBtnClick() {
    if (!Edit1->text().isEmpty() && !Edit2->text().isEmpty()) {
        PreviewMultimedia(platform(), QString(), StoredText(command()), quizFolder_);
    }
}

bool TGetGrAudioForm::DurationEditExit() {
    return ConfirmDurationBox(platform(), *DurationEdit);
}

void TGetGrAudioForm::OKBtnClick() {
    if (!DurationEditExit()) {
        return;
    }
    if (Edit1->text().isEmpty()) {
        platform().ShowError(DescribePicker(PickerKind::Graphic).emptyMessage);
        Edit1->setFocus();
        return;
    }
    if (Edit2->text().isEmpty()) {
        platform().ShowError(DescribeSoundOfGraphicAndSound().emptyMessage);
        Edit2->setFocus();
        return;
    }
    if (!ConfirmStorableName(platform(), *Edit1) || !ConfirmStorableName(platform(), *Edit2)) {
        return;
    }
    accept();
}

bool TGetGrAudioForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == DurationEdit && event->type() == QEvent::FocusOut && isVisible()) {
        DurationEditExit();
    }
    return PlatformDialog::eventFilter(watched, event);
}

bool PickGraphicAndSound(Platform& platform, const std::filesystem::path& quizFolder,
                         QString& command, QString& graphic, QString& sound, int& duration,
                         QWidget* parent) {
    TGetGrAudioForm form(platform, quizFolder, parent);
    form.setValues(graphic, sound, duration);
    if (platform.RunModal(form) != QDialog::Accepted) {
        return false;
    }
    graphic = form.Edit1->text();
    sound = form.Edit2->text();
    duration = form.DurationEdit->text().toInt();
    command = form.command();
    return true;
}

} // namespace tavrin
