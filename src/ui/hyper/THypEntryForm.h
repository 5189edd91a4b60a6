#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/settings/ViewPortDesign.h"
#include "platform/Platform.h"
#include "platform/PlatformDialog.h"

class QComboBox;
class QFontComboBox;
class QPushButton;
class QTextEdit;
class QToolButton;

namespace tavrin {

// The editor of a display topic's formatted text, with the font, size,
// colour and style of the selection and the text window's background colour.
class THypEntryForm : public PlatformDialog {
    Q_OBJECT
public:
    THypEntryForm(Platform& platform, std::filesystem::path quizFolder,
                  const ViewPortDesign& design, const std::vector<std::string>& textLines, int mode,
                  QWidget* parent = nullptr);

    const ViewPortDesign& design() const { return design_; }
    // The editor's content as stored rich-text lines.
    std::vector<std::string> textLines() const;
    bool isEmpty() const;

    QTextEdit* RichEdit1;
    QFontComboBox* ComboBox1;
    QComboBox* ComboBox2;
    QComboBox* ComboBox3;
    QToolButton* BoldBtn;
    QToolButton* ItalicBtn;
    QPushButton* ImportBtn;
    QPushButton* AdjustBtn;
    QPushButton* SelectAllBtn;
    QPushButton* ClearAllBtn;
    QPushButton* BackColorBtn;
    QPushButton* ViewBtn;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    void SelectionChange();
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void BoldBtnClick();
    void ItalicBtnClick();
    void ImportBtnClick();
    virtual void AdjustBtnClick();
    void SelectAllBtnClick();
    void ClearAllBtnClick();
    void BackColorBtnClick();
    virtual void ViewBtnClick();

protected:
    // For editors of other formatted texts with the same controls: their own
    // help context, designer button and import dialog.
    THypEntryForm(Platform& platform, std::filesystem::path quizFolder,
                  const ViewPortDesign& design, const std::vector<std::string>& textLines,
                  int helpContext, const QString& adjustCaption, QWidget* parent);
    virtual FileDialogRequest importRequest() const;
    const std::filesystem::path& quizFolder() const { return quizFolder_; }
    ViewPortDesign& editedDesign() { return design_; }

private:
    void buildFontGroup(QWidget* group);
    void setEditorColour(std::uint32_t colour);

    std::filesystem::path quizFolder_;
    ViewPortDesign design_;
    int mode_;
    bool syncing_ = false; // the boxes follow the selection without changing it
};

} // namespace tavrin
