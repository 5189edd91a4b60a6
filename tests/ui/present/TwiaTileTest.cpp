#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QWidget>

#include "support/GuiTestSupport.h"
#include "support/PictureError.h"
#include "ui/present/ShowBackground.h"
#include "ui/present/TwiaTile.h"

namespace tavrin {
namespace {

const QColor kBody(200, 0, 0);
const QColor kMark(0, 0, 220);

// A 100 x 60 picture of one colour with its top-left pixel marked, so that
// every tile's origin can be found on the rendered control.
QImage MarkedPicture() {
    QImage picture(100, 60, QImage::Format_RGB32);
    picture.fill(kBody);
    picture.setPixelColor(0, 0, kMark);
    return picture;
}

class ShowBackgroundTest : public test::GuiTest {
protected:
    ShowBackgroundTest() {
        area.resize(250, 130);
        parts = {&area, new QLabel(&area), new TwiaTile(&area)};
        parts.picture->hide();
        parts.wallpaper->hide();
        folder = std::filesystem::path(dir.path().toStdString());
    }

    void save(const QImage& image, const char* name) {
        ASSERT_TRUE(image.save(dir.filePath(QString::fromLatin1(name)), "BMP"));
    }

    bool show(std::int32_t kind, const std::string& graphic = {},
              const std::string& wallpaper = {}) {
        return ShowBackground(platform, folder, {kind, 0x00FF0000, graphic, wallpaper}, parts);
    }

    QColor areaColour() const { return area.palette().color(QPalette::Window); }

    QTemporaryDir dir;
    std::filesystem::path folder;
    QWidget area;
    BackgroundParts parts;
};

TEST_F(ShowBackgroundTest, GraphicIsStretchedAndWallpaperTiledOverTheAreaFoundWithoutRegardToCase) {
    save(MarkedPicture(), "back.bmp");
    EXPECT_TRUE(show(BackgroundDesign::kGraphic, "BACK.BMP"));
    EXPECT_TRUE(parts.picture->isVisibleTo(&area));
    EXPECT_EQ(parts.picture->geometry(), area.rect());
    EXPECT_TRUE(parts.picture->hasScaledContents());

    EXPECT_TRUE(show(BackgroundDesign::kWallpaper, {}, "Back.bmp"));
    EXPECT_TRUE(parts.wallpaper->isVisibleTo(&area));
    EXPECT_EQ(parts.wallpaper->geometry(), area.rect());
    // Tiled from the top left, the last row and column cut.
    const QImage shown = parts.wallpaper->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < 130; ++y)
        for (int x = 0; x < 250; ++x)
            ASSERT_EQ(shown.pixelColor(x, y), x % 100 == 0 && y % 60 == 0 ? kMark : kBody)
                << x << "," << y;
}

TEST_F(ShowBackgroundTest, AFileThatCannotBeShownIsReportedAndTheColourPainted) {
    QFile broken(dir.filePath("broken.bmp"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a bitmap");
    broken.close();
    const struct {
        std::int32_t kind;
        std::string graphic, wallpaper;
        QString message;
    } cases[] = {
        {BackgroundDesign::kGraphic, "gone.bmp", {}, "The graphic file gone.bmp was not found"},
        {BackgroundDesign::kGraphic,
         "broken.bmp",
         {},
         test::PictureError(dir.filePath("broken.bmp"))},
        {BackgroundDesign::kWallpaper, {}, "back.bmp", "The Wallpaper file back.bmp was not found"},
    };
    for (const auto& c : cases) {
        area.setPalette(QPalette());
        platform.expectError(c.message);
        EXPECT_TRUE(show(c.kind, c.graphic, c.wallpaper));
        EXPECT_EQ(areaColour(), QColor(0, 0, 255)) << c.message.toStdString();
        EXPECT_FALSE(parts.picture->isVisibleTo(&area));
        EXPECT_FALSE(parts.wallpaper->isVisibleTo(&area));
    }
}

TEST_F(ShowBackgroundTest, JpegWallpaperIsRefusedWhateverItsCase) {
    const QString text = QStringLiteral(
        "Wallpaper must be a .BMP file.\n\r\n\rReplace back.jpg with a .BMP Graphic.");
    platform.expectError(text);
    const QColor before = areaColour();
    EXPECT_FALSE(show(BackgroundDesign::kWallpaper, {}, "back.jpg"));
    EXPECT_EQ(areaColour(), before);
    EXPECT_FALSE(parts.wallpaper->isVisibleTo(&area));
    platform.expectError(WallpaperNotBitmapText("BACK.Jpg"));
    EXPECT_FALSE(show(BackgroundDesign::kWallpaper, {}, "BACK.Jpg"));
}

} // namespace
} // namespace tavrin
