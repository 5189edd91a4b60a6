#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/settings/ViewPortDesign.h"

class QWidget;

namespace tavrin {

class Platform;

// Runs the hypertext editor on a display topic's design and rich-text lines;
// mode 1 is the text window, mode 2 the display screen. True, with both
// updated, when the author pressed "&OK".
bool EditHypertext(Platform& platform, const std::filesystem::path& quizFolder,
                   ViewPortDesign& design, std::vector<std::string>& textLines, int mode,
                   QWidget* parent = nullptr);

} // namespace tavrin
