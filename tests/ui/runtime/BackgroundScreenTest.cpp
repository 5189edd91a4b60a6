#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QTemporaryDir>

#include "support/GuiTestSupport.h"
#include "ui/present/TwiaTile.h"
#include "ui/runtime/TTutBackForm.h"

namespace tavrin::test {
namespace {

class BackgroundScreenTest : public GuiTest {
protected:
    BackgroundScreenTest() {
        QImage picture(20, 10, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        picture.save(folder.filePath(QStringLiteral("sky.bmp")), "BMP");
        picture.save(folder.filePath(QStringLiteral("back.jpg")), "JPG");
    }

    QTemporaryDir folder;
};

TEST_F(BackgroundScreenTest, DrawsEachKindAsTheDesignersDoAndKeepsItsOwnColourOtherwise) {
    const QPalette desktop = QGuiApplication::palette();
    const std::string ownFolder = QDir(folder.path()).filePath("sky.bmp").toStdString();
    const struct {
        std::int32_t kind;
        std::string graphic;
        std::string wallpaper;
        QString error;
        const char* shows; // "picture", "wallpaper" or "colour"
        QColor colour;     // the colour that shows when no file does
    } cases[] = {
        {1, "", "", "", "colour", desktop.color(QPalette::Button)},
        {2, ownFolder, "", "", "picture", {}},
        {3, "", "SKY.BMP", "", "wallpaper", {}},
        {3, "", "back.jpg",
         "Wallpaper must be a .BMP file.\n\r\n\rReplace back.jpg with a .BMP Graphic.", "colour",
         desktop.color(QPalette::Button)},
        // No known kind: the screen keeps its own button-shadow colour.
        {7, "", "", "", "colour", desktop.color(QPalette::Dark)},
    };
    // Finding, stretching and tiling the files is the background rule's and
    // tested there; the screen adds the kind check and the colour first.
    for (const auto& row : cases) {
        SCOPED_TRACE(row.kind);
        ProgramWindow window;
        window.setBackgroundKind(row.kind);
        window.setBackgroundColour(0x8000000F); // clBtnFace
        window.setBackgroundGraphic(row.graphic);
        window.setBackgroundWallpaper(row.wallpaper);
        if (!row.error.isEmpty())
            platform.expectError(row.error);
        TTutBackForm screen(platform, window, folder.path().toStdString());
        screen.resize(200, 150);
        screen.FormActivate();
        const std::string shows = row.shows;
        EXPECT_EQ(screen.Image1->isVisibleTo(&screen), shows == "picture");
        EXPECT_EQ(screen.TwiaTile1->isVisibleTo(&screen), shows == "wallpaper");
        EXPECT_TRUE(shows != "picture" || screen.Image1->geometry() == screen.rect());
        EXPECT_TRUE(shows != "wallpaper" || screen.TwiaTile1->Image().size() == QSize(20, 10));
        const QColor expected(shows == "colour" ? row.colour.rgb() : QColor(Qt::darkCyan).rgb());
        EXPECT_EQ(QColor(screen.grab().toImage().pixel(100, 75)), expected);
    }
}

} // namespace
} // namespace tavrin::test
