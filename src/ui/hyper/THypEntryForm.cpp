#include "ui/hyper/THypEntryForm.h"

#include <QComboBox>
#include <QFontComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCharFormat>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"
#include "core/files/SharedRoutines.h"
#include "core/files/TextLines.h"
#include "core/topics/TopicColours.h"
#include "platform/PlatformConversions.h"
#include "platform/RichTextConverter.h"
#include "ui/hyper/LinkPreview.h"
#include "ui/hyper/PickerKinds.h"
#include "ui/hyper/THypTextAdjForm.h"
#include "ui/hyper/TextEntry.h"
#include "ui/present/TVPDesignBackForm.h"

namespace tavrin {
namespace {

const char* const kColourNames[] = {"clWindowText", "clBlack",  "clMaroon", "clGreen", "clOlive",
                                    "clNavy",       "clPurple", "clTeal",   "clGray",  "clSilver",
                                    "clRed",        "clLime",   "clYellow", "clBlue",  "clFuchsia",
                                    "clAqua",       "clWhite"};

} // namespace

THypEntryForm::THypEntryForm(Platform& platform, std::filesystem::path quizFolder,
                             const ViewPortDesign& design,
                             const std::vector<std::string>& textLines, int mode, QWidget* parent)
    : THypEntryForm(platform, std::move(quizFolder), design, textLines, mode == 2 ? 550 : 510,
                    mode == 2 ? tr("&Design Display Screen") : tr("&Adjust Text Window"), parent) {
    mode_ = mode;
}

THypEntryForm::THypEntryForm(Platform& platform, std::filesystem::path quizFolder,
                             const ViewPortDesign& design,
                             const std::vector<std::string>& textLines, int helpContext,
                             const QString& adjustCaption, QWidget* parent)
    : PlatformDialog(platform, helpContext, parent), RichEdit1(new QTextEdit(this)),
      ComboBox1(new QFontComboBox(this)), ComboBox2(new QComboBox(this)),
      ComboBox3(new QComboBox(this)), BoldBtn(new QToolButton(this)),
      ItalicBtn(new QToolButton(this)), ImportBtn(new QPushButton(tr("&Import File"), this)),
      AdjustBtn(new QPushButton(adjustCaption, this)),
      SelectAllBtn(new QPushButton(tr("&Select All Text"), this)),
      ClearAllBtn(new QPushButton(tr("Clear All &Text"), this)),
      BackColorBtn(new QPushButton(tr("Color"), this)), ViewBtn(new QPushButton(tr("&View"), this)),
      OKBtn(new QPushButton(tr("&OK"), this)), CancelBtn(new QPushButton(tr("&Cancel"), this)),
      quizFolder_(std::move(quizFolder)), design_(design), mode_(1) {
    setObjectName(QStringLiteral("THypEntryForm"));
    SetPickerLook(*this);
    const std::pair<QWidget*, const char*> names[] = {{RichEdit1, "RichEdit1"},
                                                      {ComboBox1, "ComboBox1"},
                                                      {ComboBox2, "ComboBox2"},
                                                      {ComboBox3, "ComboBox3"},
                                                      {BoldBtn, "BoldBtn"},
                                                      {ItalicBtn, "ItalicBtn"},
                                                      {ImportBtn, "ImportBtn"},
                                                      {AdjustBtn, "AdjustBtn"},
                                                      {SelectAllBtn, "SelectAllBtn"},
                                                      {ClearAllBtn, "ClearAllBtn"},
                                                      {BackColorBtn, "BackColorBtn"},
                                                      {ViewBtn, "ViewBtn"},
                                                      {OKBtn, "OKBtn"},
                                                      {CancelBtn, "CancelBtn"}};
    for (const auto& [widget, name] : names) {
        widget->setObjectName(QString::fromLatin1(name));
    }
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    LoadRtf(*RichEdit1->document(), JoinLinesCrLf(textLines));
    setEditorColour(design_.vpBack());

    auto* fontGroup = new QGroupBox(tr(" Text Font "), this);
    buildFontGroup(fontGroup);
    auto* backGroup = new QGroupBox(tr("Background"), this);
    auto* backLayout = new QVBoxLayout(backGroup);
    backLayout->addWidget(BackColorBtn);
    auto* side = new QVBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(ImportBtn), static_cast<QWidget*>(AdjustBtn),
                       static_cast<QWidget*>(fontGroup), static_cast<QWidget*>(SelectAllBtn),
                       static_cast<QWidget*>(ClearAllBtn), static_cast<QWidget*>(backGroup)}) {
        side->addWidget(w);
    }
    side->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(RichEdit1, 1);
    top->addLayout(side);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(ViewBtn);
    bottom->addWidget(OKBtn);
    bottom->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
    resize(620, 440);

    connect(RichEdit1, &QTextEdit::cursorPositionChanged, this, &THypEntryForm::SelectionChange);
    connect(RichEdit1, &QTextEdit::selectionChanged, this, &THypEntryForm::SelectionChange);
    connect(ComboBox1, &QFontComboBox::textActivated, this, &THypEntryForm::ComboBox1Change);
    connect(ComboBox2, &QComboBox::textActivated, this, &THypEntryForm::ComboBox2Change);
    connect(ComboBox3, &QComboBox::currentIndexChanged, this, &THypEntryForm::ComboBox3Change);
    connect(BoldBtn, &QToolButton::clicked, this, &THypEntryForm::BoldBtnClick);
    connect(ItalicBtn, &QToolButton::clicked, this, &THypEntryForm::ItalicBtnClick);
    connect(ImportBtn, &QPushButton::clicked, this, &THypEntryForm::ImportBtnClick);
    connect(AdjustBtn, &QPushButton::clicked, this, &THypEntryForm::AdjustBtnClick);
    connect(SelectAllBtn, &QPushButton::clicked, this, &THypEntryForm::SelectAllBtnClick);
    connect(ClearAllBtn, &QPushButton::clicked, this, &THypEntryForm::ClearAllBtnClick);
    connect(BackColorBtn, &QPushButton::clicked, this, &THypEntryForm::BackColorBtnClick);
    connect(ViewBtn, &QPushButton::clicked, this, &THypEntryForm::ViewBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    SelectionChange();
    RichEdit1->document()->setModified(false);
}

void THypEntryForm::buildFontGroup(QWidget* group) {
    for (int size : {8, 9, 10, 11, 12, 14, 16, 18, 20, 24, 36, 48, 72}) {
        ComboBox2->addItem(QString::number(size));
    }
    ComboBox2->setEditable(true);
    connect(ComboBox2->lineEdit(), &QLineEdit::returnPressed, this,
            &THypEntryForm::ComboBox2Change);
    for (const char* name : kColourNames) {
        const std::uint32_t value = TextToColour(name).value_or(0);
        ComboBox3->addItem(QString::fromLatin1(name), QVariant::fromValue(value));
        ComboBox3->setItemData(ComboBox3->count() - 1, ColourFromValue(value), Qt::DecorationRole);
    }
    BoldBtn->setText(QStringLiteral("B"));
    BoldBtn->setCheckable(true);
    ItalicBtn->setText(QStringLiteral("I"));
    ItalicBtn->setCheckable(true);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(tr("Name"), group), 0, 0);
    grid->addWidget(ComboBox1, 0, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Size"), group), 1, 0);
    grid->addWidget(ComboBox2, 1, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Color"), group), 2, 0);
    grid->addWidget(ComboBox3, 2, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Style"), group), 3, 0);
    grid->addWidget(BoldBtn, 3, 1);
    grid->addWidget(ItalicBtn, 3, 2);
}

std::vector<std::string> THypEntryForm::textLines() const {
    return SplitLines(SaveRtf(*RichEdit1->document()));
}

bool THypEntryForm::isEmpty() const {
    return RichEdit1->document()->isEmpty();
}

void THypEntryForm::setEditorColour(std::uint32_t colour) {
    QPalette palette = RichEdit1->palette();
    palette.setColor(QPalette::Base, ColourFromValue(colour));
    RichEdit1->setPalette(palette);
    design_.setVpBack(colour);
}

void THypEntryForm::SelectionChange() {
    QTextCursor cursor = RichEdit1->textCursor();
    QTextCharFormat first = cursor.charFormat();
    bool sameFont = true, sameSize = true, sameColour = true,
         allBold = first.fontWeight() >= QFont::Bold, allItalic = first.fontItalic();
    if (cursor.hasSelection()) {
        QTextCursor probe(RichEdit1->document());
        probe.setPosition(cursor.selectionStart() + 1);
        first = probe.charFormat();
        allBold = first.fontWeight() >= QFont::Bold;
        allItalic = first.fontItalic();
        for (int pos = cursor.selectionStart() + 1; pos <= cursor.selectionEnd(); ++pos) {
            probe.setPosition(pos);
            const QTextCharFormat f = probe.charFormat();
            sameFont = sameFont && f.fontFamilies() == first.fontFamilies();
            sameSize = sameSize && f.fontPointSize() == first.fontPointSize();
            sameColour = sameColour && f.foreground() == first.foreground();
            allBold = allBold && f.fontWeight() >= QFont::Bold;
            allItalic = allItalic && f.fontItalic();
        }
    }
    const QFont font = first.font();
    BoldBtn->setChecked(allBold);
    ItalicBtn->setChecked(allItalic);
    if (sameFont) {
        ComboBox1->setCurrentFont(font);
    } else {
        ComboBox1->setCurrentIndex(-1);
    }
    ComboBox2->setEditText(sameSize && font.pointSize() > 0 ? QString::number(font.pointSize())
                                                            : QString());
    const std::uint32_t colour = ValueFromColour(first.foreground().color());
    syncing_ = true;
    ComboBox3->setCurrentIndex(sameColour ? ComboBox3->findData(QVariant::fromValue(colour)) : -1);
    syncing_ = false;
}

void THypEntryForm::ComboBox1Change() {
    QTextCharFormat format;
    format.setFontFamilies({ComboBox1->currentFont().family()});
    RichEdit1->mergeCurrentCharFormat(format);
    RichEdit1->setFocus();
}

void THypEntryForm::ComboBox2Change() {
    const std::optional<std::int32_t> size =
        ParseWholeNumber(ComboBox2->currentText().toStdString());
    QTextCharFormat format;
    const int points = size && *size > 0 ? *size : 10;
    format.setFontPointSize(points);
    RichEdit1->mergeCurrentCharFormat(format);
    ComboBox2->setEditText(QString::number(points));
    RichEdit1->setFocus();
}

void THypEntryForm::ComboBox3Change() {
    if (syncing_ || ComboBox3->currentIndex() < 0) {
        return;
    }
    QTextCharFormat format;
    format.setForeground(ColourFromValue(ComboBox3->currentData().toUInt()));
    RichEdit1->mergeCurrentCharFormat(format);
    RichEdit1->setFocus();
}

void THypEntryForm::BoldBtnClick() {
    QTextCharFormat format;
    format.setFontWeight(BoldBtn->isChecked() ? QFont::Bold : QFont::Normal);
    RichEdit1->mergeCurrentCharFormat(format);
    RichEdit1->setFocus();
}

void THypEntryForm::ItalicBtnClick() {
    QTextCharFormat format;
    format.setFontItalic(ItalicBtn->isChecked());
    RichEdit1->mergeCurrentCharFormat(format);
    RichEdit1->setFocus();
}

FileDialogRequest THypEntryForm::importRequest() const {
    FileDialogRequest request;
    request.filter = QStringLiteral("Text and RTF Files|*.TXT;*.RTF");
    request.helpContext = 520;
    request.mustExist = true;
    request.startFolder = QString::fromStdString(quizFolder_.string());
    return request;
}

void THypEntryForm::ImportBtnClick() {
    const std::optional<QString> chosen = platform().GetOpenFileName(importRequest());
    if (!chosen) {
        return;
    }
    try {
        const std::vector<std::uint8_t> bytes = ReadFileBytes(chosen->toStdString());
        LoadRtf(*RichEdit1->document(), std::string(bytes.begin(), bytes.end()));
        setEditorColour(design_.vpBack());
    } catch (const FileError& error) {
        platform().ShowError(QString::fromStdString(error.what()));
    }
}

void THypEntryForm::AdjustBtnClick() {
    const std::string rtf = SaveRtf(*RichEdit1->document());
    if (mode_ == 2) {
        DesignViewPortBackground(platform(), quizFolder_, design_, rtf, this);
    } else {
        AdjustTextWindow(platform(), design_, rtf, this);
    }
}

void THypEntryForm::SelectAllBtnClick() {
    RichEdit1->selectAll();
    RichEdit1->setFocus();
}

void THypEntryForm::ClearAllBtnClick() {
    RichEdit1->clear();
    RichEdit1->setFocus();
}

void THypEntryForm::BackColorBtnClick() {
    const std::optional<std::uint32_t> colour = platform().ChooseColour(design_.vpBack());
    setEditorColour(colour.value_or(design_.vpBack()));
}

void THypEntryForm::ViewBtnClick() {
    if (mode_ == 2) {
        PreviewTextScreen(platform(), quizFolder_, design_, textLines());
    } else {
        PreviewFormattedText(platform(), design_, textLines());
    }
}

bool EditHypertext(Platform& platform, const std::filesystem::path& quizFolder,
                   ViewPortDesign& design, std::vector<std::string>& textLines, int mode,
                   QWidget* parent) {
    THypEntryForm form(platform, quizFolder, design, textLines, mode, parent);
    if (platform.RunModal(form) != QDialog::Accepted) {
        return false;
    }
    if (!form.isEmpty()) {
        textLines = form.textLines();
    }
    design = form.design();
    return true;
}

} // namespace tavrin
