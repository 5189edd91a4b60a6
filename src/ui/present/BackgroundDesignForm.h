#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/settings/ViewPortDesign.h"
#include "platform/PlatformDialog.h"
#include "ui/present/ShowBackground.h"

class QBoxLayout;
class QFrame;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;

namespace tavrin {

// What the three background designers share: the kind of background (plain
// colour, stretched graphic, tiled wallpaper), its colour and its two file
// names taken from the quiz folder. The form edits a copy; the caller reads
// background() after "&OK".
class BackgroundDesignForm : public PlatformDialog {
    Q_OBJECT
public:
    const BackgroundDesign& background() const { return background_; }

    QRadioButton* ColorRadio;
    QRadioButton* GraphicRadio;
    QRadioButton* WallpaperRadio;
    QGroupBox* ColorGroup;
    QFrame* ColorPanel;
    QPushButton* SelectBtn;
    QGroupBox* GraphicGroup;
    QLineEdit* GraphicEdit;
    QListWidget* GraphicList;
    QPushButton* GraphicFindBtn;
    QGroupBox* WallpaperGroup;
    QLineEdit* WallpaperEdit;
    QListWidget* WallpaperList;
    QPushButton* WallpaperFindBtn;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    void ColorRadioClick();
    void GraphicRadioClick();
    void WallpaperRadioClick();
    void SelectBtnClick();
    void GraphicListClick(QListWidgetItem* item);
    void WallpaperListClick(QListWidgetItem* item);
    void GraphicFindBtnClick();
    void WallpaperFindBtnClick();
    void OKBtnClick();

    // On "&OK" the program and introduction designers keep only the file the
    // chosen kind uses; the colour kind keeps neither.
    static void EmptyUnusedFiles(BackgroundDesign& background);

protected:
    enum class OnOk { kKeepFiles, kEmptyUnusedFiles };

    BackgroundDesignForm(Platform& platform, int helpContext, std::filesystem::path quizFolder,
                         const BackgroundDesign& background, OnOk onOk, QWidget* parent);

    const std::filesystem::path& quizFolder() const { return quizFolder_; }
    // The row above "&OK" where each designer puts its own buttons.
    QBoxLayout* extraRow() const { return extraRow_; }
    // Adds "&Adjust Window", after `label` when there is one, above "&OK".
    QPushButton* addAdjustButton(const QString& label = {});
    // The design with this form's current background in it.
    ViewPortDesign withBackground(ViewPortDesign design) const;

private:
    QGroupBox* buildKindGroup();
    void buildFileGroup(QGroupBox* group, QLineEdit* edit, QListWidget* list, QPushButton* find);
    void showKindGroup();
    void refreshLists();
    void showNames();
    std::string firstInQuizFolder(const char* mask) const;
    std::string firstGraphic() const;
    std::optional<std::string> findFile(const QString& caption, const QString& filter,
                                        const QLineEdit& edit);

    std::filesystem::path quizFolder_;
    BackgroundDesign background_;
    OnOk onOk_;
    QBoxLayout* extraRow_;
};

} // namespace tavrin
