#pragma once

#include "ui/present/TextWindowPlacementForm.h"

namespace tavrin {

// The placement screen of an information topic's text window: the whole
// 640 x 480 screen is the area, and the window sits at the stored view port.
class TVPAdjustForm : public TextWindowPlacementForm {
    Q_OBJECT
public:
    TVPAdjustForm(Platform& platform, std::filesystem::path quizFolder,
                  const ViewPortDesign& design, const std::string& rtf, QWidget* parent = nullptr);
};

// True, with VPLeft, VPTop, VPWidth and VPHeight of `design` updated, when
// the placement was saved.
bool AdjustViewPort(Platform& platform, const std::filesystem::path& quizFolder,
                    ViewPortDesign& design, const std::string& rtf, QWidget* parent = nullptr);

} // namespace tavrin
