#include "ui/present/ShowBackground.h"

#include <QLabel>
#include <QPalette>
#include <QPixmap>

#include "core/bytes/Cp1252.h"
#include "core/bytes/FileError.h"
#include "core/files/FolderNames.h"
#include "core/settings/ProgramWindow.h"
#include "core/settings/ViewPortDesign.h"
#include "platform/PictureLoader.h"
#include "platform/Platform.h"
#include "platform/PlatformConversions.h"
#include "ui/present/TwiaTile.h"

namespace tavrin {
namespace {

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

void Stretch(QLabel& picture, QWidget& area, const QImage& image) {
    picture.setScaledContents(true);
    picture.setPixmap(QPixmap::fromImage(image));
    picture.setGeometry(area.rect());
    picture.show();
}

void Tile(TwiaTile& tile, QWidget& area, const QImage& image) {
    tile.setImage(image);
    tile.setGeometry(area.rect());
    tile.show();
}

} // namespace

bool HasJpegExtension(const std::string& name) {
    const auto dot = name.rfind('.');
    return dot != std::string::npos && UpperAscii(name.substr(dot)) == ".JPG";
}

BackgroundDesign BackgroundDesign::Of(const ViewPortDesign& design) {
    return {design.displaytype(), design.sBackColor(), design.sGraphic(), design.sWallpaper()};
}

BackgroundDesign BackgroundDesign::Of(const ProgramWindow& window) {
    return {window.backgroundKind(), window.backgroundColour(), window.backgroundGraphic(),
            window.backgroundWallpaper()};
}

void BackgroundDesign::StoreIn(ViewPortDesign& design) const {
    design.setDisplaytype(kind);
    design.setSBackColor(colour);
    design.setSGraphic(graphic);
    design.setSWallpaper(wallpaper);
}

void BackgroundDesign::StoreIn(ProgramWindow& window) const {
    window.setBackgroundKind(kind);
    window.setBackgroundColour(colour);
    window.setBackgroundGraphic(graphic);
    window.setBackgroundWallpaper(wallpaper);
}

QString GraphicNotFoundText(const QString& name) {
    return QStringLiteral("The graphic file ") + name + QStringLiteral(" was not found");
}

QString WallpaperNotFoundText(const QString& name) {
    return QStringLiteral("The Wallpaper file ") + name + QStringLiteral(" was not found");
}

QString WallpaperNotBitmapText(const QString& name) {
    return QStringLiteral("Wallpaper must be a .BMP file.\n\r\n\rReplace ") + name +
           QStringLiteral(" with a .BMP Graphic.");
}

void FillWithColour(QWidget& widget, std::uint32_t colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, ColourFromValue(colour));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

std::filesystem::path FindMediaFile(const std::filesystem::path& quizFolder,
                                    const std::string& storedName) {
    if (storedName.empty())
        return {};
    const std::filesystem::path own(cp1252::toUtf8(storedName));
    std::error_code error;
    if (own.has_parent_path() && std::filesystem::is_regular_file(own, error))
        return own;
    const auto found = ResolveInFolder(quizFolder, storedName);
    if (!found || !std::filesystem::is_regular_file(*found, error))
        return {};
    return *found;
}

bool ShowBackground(Platform& platform, const std::filesystem::path& quizFolder,
                    const BackgroundDesign& design, const BackgroundParts& parts) {
    QWidget& area = *parts.area;
    switch (design.kind) {
    case BackgroundDesign::kColour:
        FillWithColour(area, design.colour);
        return true;
    case BackgroundDesign::kGraphic: {
        const auto file = FindMediaFile(quizFolder, design.graphic);
        if (file.empty()) {
            platform.ShowError(GraphicNotFoundText(ShownText(design.graphic)));
            FillWithColour(area, design.colour);
            return true;
        }
        try {
            Stretch(*parts.picture, area, PictureLoader::Load(PathText(file)));
        } catch (const FileError& error) {
            platform.ShowError(QString::fromStdString(error.what()));
            FillWithColour(area, design.colour);
        }
        return true;
    }
    case BackgroundDesign::kWallpaper: {
        if (HasJpegExtension(design.wallpaper)) {
            platform.ShowError(WallpaperNotBitmapText(ShownText(design.wallpaper)));
            return false;
        }
        const auto file = FindMediaFile(quizFolder, design.wallpaper);
        if (file.empty()) {
            platform.ShowError(WallpaperNotFoundText(ShownText(design.wallpaper)));
            FillWithColour(area, design.colour);
            return true;
        }
        try {
            Tile(*parts.wallpaper, area, PictureLoader::Load(PathText(file)));
        } catch (const FileError& error) {
            platform.ShowError(QString::fromStdString(error.what()));
            FillWithColour(area, design.colour);
        }
        return true;
    }
    default:
        return true;
    }
}

} // namespace tavrin
