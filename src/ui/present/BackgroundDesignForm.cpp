#include "ui/present/BackgroundDesignForm.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/files/SharedRoutines.h"
#include "platform/PlatformConversions.h"
#include "ui/hyper/PickerKinds.h"
#include "ui/present/ImportToQuizFolder.h"

namespace tavrin {
namespace {

const QString kGraphicMasks = QStringLiteral("*.BMP;*.JPG");
const QString kWallpaperMasks = QStringLiteral("*.BMP");

void FillList(QListWidget& list, const QStringList& names) {
    list.clear();
    list.addItems(names);
}

} // namespace

BackgroundDesignForm::BackgroundDesignForm(Platform& platform, int helpContext,
                                           std::filesystem::path quizFolder,
                                           const BackgroundDesign& background, OnOk onOk,
                                           QWidget* parent)
    : PlatformDialog(platform, helpContext, parent),
      ColorRadio(new QRadioButton(tr(" Colored Screen"))),
      GraphicRadio(new QRadioButton(tr(" Graphic Image"))),
      WallpaperRadio(new QRadioButton(tr(" Wallpaper"))),
      ColorGroup(new QGroupBox(tr(" Background Color "))), ColorPanel(new QFrame),
      SelectBtn(new QPushButton(tr("&Select"))),
      GraphicGroup(new QGroupBox(tr("Graphic File (.BMP or .JPG)"))), GraphicEdit(new QLineEdit),
      GraphicList(new QListWidget), GraphicFindBtn(new QPushButton(tr("&Find File"))),
      WallpaperGroup(new QGroupBox(tr(" WallPaper (.BMP only) "))), WallpaperEdit(new QLineEdit),
      WallpaperList(new QListWidget), WallpaperFindBtn(new QPushButton(tr("Find File"))),
      OKBtn(new QPushButton(tr("&OK"))), CancelBtn(new QPushButton(tr("&Cancel"))),
      quizFolder_(std::move(quizFolder)), background_(background), onOk_(onOk),
      extraRow_(new QHBoxLayout) {
    setWindowTitle(tr("Press F1 for Help"));
    const std::pair<QWidget*, const char*> names[] = {{ColorRadio, "ColorRadio"},
                                                      {GraphicRadio, "GraphicRadio"},
                                                      {WallpaperRadio, "WallpaperRadio"},
                                                      {ColorGroup, "ColorGroup"},
                                                      {ColorPanel, "ColorPanel"},
                                                      {SelectBtn, "SelectBtn"},
                                                      {GraphicGroup, "GraphicGroup"},
                                                      {GraphicEdit, "GraphicEdit"},
                                                      {GraphicList, "GraphicList"},
                                                      {GraphicFindBtn, "GraphicFindBtn"},
                                                      {WallpaperGroup, "WallpaperGroup"},
                                                      {WallpaperEdit, "WallpaperEdit"},
                                                      {WallpaperList, "WallpaperList"},
                                                      {WallpaperFindBtn, "WallpaperFindBtn"},
                                                      {OKBtn, "OKBtn"},
                                                      {CancelBtn, "CancelBtn"}};
    for (const auto& [widget, name] : names) {
        widget->setObjectName(QString::fromLatin1(name));
    }

    ColorPanel->setFrameShape(QFrame::Panel);
    ColorPanel->setFrameShadow(QFrame::Sunken);
    ColorPanel->setMinimumSize(120, 60);
    auto* colourLayout = new QHBoxLayout(ColorGroup);
    colourLayout->addWidget(ColorPanel, 1);
    colourLayout->addWidget(SelectBtn, 0, Qt::AlignBottom);
    buildFileGroup(GraphicGroup, GraphicEdit, GraphicList, GraphicFindBtn);
    buildFileGroup(WallpaperGroup, WallpaperEdit, WallpaperList, WallpaperFindBtn);

    auto* kindGroups = new QVBoxLayout;
    kindGroups->addWidget(ColorGroup);
    kindGroups->addWidget(GraphicGroup);
    kindGroups->addWidget(WallpaperGroup);
    kindGroups->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(buildKindGroup(), 0, Qt::AlignTop);
    top->addLayout(kindGroups, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(extraRow_);
    layout->addLayout(buttons);
    resize(520, 380);

    connect(ColorRadio, &QRadioButton::clicked, this, &BackgroundDesignForm::ColorRadioClick);
    connect(GraphicRadio, &QRadioButton::clicked, this, &BackgroundDesignForm::GraphicRadioClick);
    connect(WallpaperRadio, &QRadioButton::clicked, this,
            &BackgroundDesignForm::WallpaperRadioClick);
    connect(SelectBtn, &QPushButton::clicked, this, &BackgroundDesignForm::SelectBtnClick);
    connect(GraphicList, &QListWidget::itemClicked, this, &BackgroundDesignForm::GraphicListClick);
    connect(WallpaperList, &QListWidget::itemClicked, this,
            &BackgroundDesignForm::WallpaperListClick);
    connect(GraphicFindBtn, &QPushButton::clicked, this,
            &BackgroundDesignForm::GraphicFindBtnClick);
    connect(WallpaperFindBtn, &QPushButton::clicked, this,
            &BackgroundDesignForm::WallpaperFindBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &BackgroundDesignForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    ColorRadio->setChecked(background_.kind == BackgroundDesign::kColour);
    GraphicRadio->setChecked(background_.kind == BackgroundDesign::kGraphic);
    WallpaperRadio->setChecked(background_.kind == BackgroundDesign::kWallpaper);
    FillWithColour(*ColorPanel, background_.colour);
    refreshLists();
    showNames();
    showKindGroup();
}

QGroupBox* BackgroundDesignForm::buildKindGroup() {
    auto* group = new QGroupBox(tr(" Screen Background "));
    group->setObjectName(QStringLiteral("ScreenGroup"));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(ColorRadio);
    layout->addWidget(GraphicRadio);
    layout->addWidget(WallpaperRadio);
    return group;
}

void BackgroundDesignForm::buildFileGroup(QGroupBox* group, QLineEdit* edit, QListWidget* list,
                                          QPushButton* find) {
    edit->setReadOnly(true);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(edit);
    layout->addWidget(list, 1);
    layout->addWidget(find, 0, Qt::AlignLeft);
}

void BackgroundDesignForm::showKindGroup() {
    ColorGroup->setVisible(background_.kind == BackgroundDesign::kColour);
    GraphicGroup->setVisible(background_.kind == BackgroundDesign::kGraphic);
    WallpaperGroup->setVisible(background_.kind == BackgroundDesign::kWallpaper);
}

void BackgroundDesignForm::refreshLists() {
    FillList(*GraphicList, PickerFolderList(quizFolder_, kGraphicMasks));
    FillList(*WallpaperList, PickerFolderList(quizFolder_, kWallpaperMasks));
}

void BackgroundDesignForm::showNames() {
    GraphicEdit->setText(ShownText(background_.graphic));
    WallpaperEdit->setText(ShownText(background_.wallpaper));
}

std::string BackgroundDesignForm::firstInQuizFolder(const char* mask) const {
    std::string found;
    FindInQuizFolder(quizFolder_, mask, found);
    return found;
}

std::string BackgroundDesignForm::firstGraphic() const {
    const std::string jpeg = firstInQuizFolder("*.jpg");
    return jpeg.empty() ? firstInQuizFolder("*.bmp") : jpeg;
}

void BackgroundDesignForm::ColorRadioClick() {
    background_.kind = BackgroundDesign::kColour;
    showKindGroup();
}

void BackgroundDesignForm::GraphicRadioClick() {
    background_.kind = BackgroundDesign::kGraphic;
    if (background_.graphic.empty()) {
        background_.graphic = firstGraphic();
        background_.wallpaper.clear();
    }
    showNames();
    showKindGroup();
}

void BackgroundDesignForm::WallpaperRadioClick() {
    background_.kind = BackgroundDesign::kWallpaper;
    if (HasJpegExtension(background_.wallpaper)) {
        background_.wallpaper.clear();
    }
    if (background_.wallpaper.empty()) {
        background_.wallpaper = firstInQuizFolder("*.bmp");
        background_.graphic.clear();
    }
    showNames();
    showKindGroup();
}

void BackgroundDesignForm::SelectBtnClick() {
    if (const auto colour = platform().ChooseColour(background_.colour)) {
        background_.colour = *colour;
        FillWithColour(*ColorPanel, background_.colour);
    }
}

void BackgroundDesignForm::GraphicListClick(QListWidgetItem* item) {
    background_.graphic = StoredText(item->text());
    showNames();
}

void BackgroundDesignForm::WallpaperListClick(QListWidgetItem* item) {
    background_.wallpaper = StoredText(item->text());
    showNames();
}

std::optional<std::string> BackgroundDesignForm::findFile(const QString& caption,
                                                          const QString& filter,
                                                          const QLineEdit& edit) {
    const auto result = ImportToQuizFolder(platform(), quizFolder_, caption, filter, edit.text());
    refreshLists();
    if (!result) {
        return std::nullopt;
    }
    return StoredText(*result);
}

void BackgroundDesignForm::GraphicFindBtnClick() {
    const auto name = findFile(tr("Select a Graphic File"),
                               QStringLiteral("Graphic Files|*.BMP;*.JPG"), *GraphicEdit);
    if (name) {
        background_.graphic = name->empty() ? firstGraphic() : *name;
        showNames();
    }
}

void BackgroundDesignForm::WallpaperFindBtnClick() {
    const auto name = findFile(tr("Select a Wallpaper File"),
                               QStringLiteral("Wallpaper Files|*.BMP"), *WallpaperEdit);
    if (name) {
        background_.wallpaper = name->empty() ? firstInQuizFolder("*.bmp") : *name;
        showNames();
    }
}

void BackgroundDesignForm::EmptyUnusedFiles(BackgroundDesign& background) {
    if (background.kind != BackgroundDesign::kGraphic) {
        background.graphic.clear();
    }
    if (background.kind != BackgroundDesign::kWallpaper) {
        background.wallpaper.clear();
    }
}

void BackgroundDesignForm::OKBtnClick() {
    if (onOk_ == OnOk::kEmptyUnusedFiles) {
        EmptyUnusedFiles(background_);
    }
    accept();
}

QPushButton* BackgroundDesignForm::addAdjustButton(const QString& label) {
    if (!label.isEmpty()) {
        extraRow_->addWidget(new QLabel(label));
    }
    auto* button = new QPushButton(tr("&Adjust Window"));
    button->setObjectName(QStringLiteral("AdjustBtn"));
    extraRow_->addWidget(button);
    extraRow_->addStretch();
    return button;
}

ViewPortDesign BackgroundDesignForm::withBackground(ViewPortDesign design) const {
    background_.StoreIn(design);
    return design;
}

} // namespace tavrin
