#pragma once

#include "ui/present/BackgroundDesignForm.h"

namespace tavrin {

// The screen behind an information topic's formatted text: its background
// and, through "&Adjust Window", where the text window sits. Both files are
// kept as they are on "&OK".
class TVPDesignBackForm : public BackgroundDesignForm {
    Q_OBJECT
public:
    TVPDesignBackForm(Platform& platform, std::filesystem::path quizFolder,
                      const ViewPortDesign& design, std::string rtf, QWidget* parent = nullptr);

    // The design given, with the designed background and view port.
    ViewPortDesign design() const { return withBackground(design_); }

    QPushButton* AdjustBtn;

    void AdjustBtnClick();

private:
    ViewPortDesign design_;
    std::string rtf_;
};

// Runs the designer on a topic's design; true, with it changed, on "&OK".
bool DesignViewPortBackground(Platform& platform, const std::filesystem::path& quizFolder,
                              ViewPortDesign& design, const std::string& rtf,
                              QWidget* parent = nullptr);

} // namespace tavrin
