#pragma once

#include <QString>
#include <cstdint>
#include <filesystem>
#include <string>

class QLabel;
class QWidget;

namespace tavrin {

class Platform;
class ProgramWindow;
class TwiaTile;
class ViewPortDesign;

// A screen's background as the settings and display topics store it.
struct BackgroundDesign {
    enum Kind : std::int32_t { kColour = 1, kGraphic = 2, kWallpaper = 3 };

    std::int32_t kind = kColour;
    std::uint32_t colour = 0xC0C0C0; // 0x00BBGGRR
    std::string graphic;             // stored names, looked up in the quiz folder
    std::string wallpaper;

    static BackgroundDesign Of(const ViewPortDesign& design);
    static BackgroundDesign Of(const ProgramWindow& window);
    void StoreIn(ViewPortDesign& design) const;
    void StoreIn(ProgramWindow& window) const;
};

// What a background is drawn with: the area takes the colour, the picture
// (a label that scales its contents) is stretched over the area, the tile
// control is laid over it for wallpaper. Picture and tile stay hidden unless used.
struct BackgroundParts {
    QWidget* area = nullptr;
    QLabel* picture = nullptr;
    TwiaTile* wallpaper = nullptr;
};

// Draws the background, telling the author in an error box when a file is
// missing, unreadable (the colour stands in) or a wallpaper is not a bitmap.
// False only in that last case: the area keeps its own colour, and a screen
// that shows nothing but the background is not opened.
bool ShowBackground(Platform& platform, const std::filesystem::path& quizFolder,
                    const BackgroundDesign& design, const BackgroundParts& parts);

// The messages, with the stored name as shown to the author.
QString GraphicNotFoundText(const QString& name);
QString WallpaperNotFoundText(const QString& name);
QString WallpaperNotBitmapText(const QString& name);

// A wallpaper must be a bitmap: a name whose extension is ".JPG" in any case is refused.
bool HasJpegExtension(const std::string& name);

// Fills the widget's own background with a stored colour.
void FillWithColour(QWidget& widget, std::uint32_t colour);

// The full path of a stored media name: a name with its own folder is taken
// as it is, any other is looked up in the quiz folder without regard to case.
// Empty when there is no such file.
std::filesystem::path FindMediaFile(const std::filesystem::path& quizFolder,
                                    const std::string& storedName);

} // namespace tavrin
