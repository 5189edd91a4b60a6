#include "platform/PictureLoader.h"
#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/core/JpegSamples.h"

using namespace tavrin;

namespace {

void expectNear(QRgb pixel, int r, int g, int b) {
    EXPECT_NEAR(qRed(pixel), r, 12);
    EXPECT_NEAR(qGreen(pixel), g, 12);
    EXPECT_NEAR(qBlue(pixel), b, 12);
}

std::string loadError(const QString& path) {
    try {
        PictureLoader::Load(path);
    } catch (const FileError& error) {
        return error.what();
    }
    return "";
}

} // namespace

// The loader decides by content: a picture under the other extension still shows.
TEST(PictureLoader, LoadsJpegAndBitmapWhateverTheExtensionSays) {
    QTemporaryDir folder;
    for (const char* name : {"photo.Jpg", "photo.bmp"}) {
        const QString path = folder.filePath(name);
        WriteFileAtomically(path.toStdString(), tavrin::testing::encodeQuadrants(32, 32, tavrin::JpegSamples::Colours::Rgb));
        const QImage image = PictureLoader::Load(path);
        ASSERT_EQ(image.size(), QSize(32, 32)) << name;
        expectNear(image.pixel(4, 4), 255, 0, 0);
        expectNear(image.pixel(28, 28), 255, 255, 255);
    }
    for (const char* name : {"PICTURE.BMP", "drawing.jpg"}) {
        const QString path = folder.filePath(name);
        QImage source(8, 4, QImage::Format_RGB32);
        source.fill(QColor(10, 200, 30));
        source.setPixelColor(7, 3, QColor(255, 255, 255));
        ASSERT_TRUE(source.save(path, "BMP"));
        const QImage image = PictureLoader::Load(path);
        ASSERT_EQ(image.size(), QSize(8, 4)) << name;
        EXPECT_EQ(QColor(image.pixel(0, 0)), QColor(10, 200, 30));
        EXPECT_EQ(QColor(image.pixel(7, 3)), QColor(255, 255, 255));
    }
}

TEST(PictureLoader, FailuresNameTheFile) {
    QTemporaryDir folder;
    std::vector<std::uint8_t> truncated = tavrin::testing::encodeQuadrants(32, 32, tavrin::JpegSamples::Colours::Rgb);
    truncated.resize(truncated.size() / 2);
    const QString broken = folder.filePath("broken.jpg");
    WriteFileAtomically(broken.toStdString(), truncated);
    EXPECT_NE(loadError(broken).find("broken.jpg"), std::string::npos);

    const QString notBitmap = folder.filePath("text.bmp");
    WriteFileAtomically(notBitmap.toStdString(), std::string("not a picture"));
    EXPECT_NE(loadError(notBitmap).find("text.bmp"), std::string::npos);

    const QString metafile = folder.filePath("clip.wmf");
    WriteFileAtomically(metafile.toStdString(), std::string("\xD7\xCD\xC6\x9A", 4));
    EXPECT_NE(loadError(metafile).find("clip.wmf: Windows metafile"), std::string::npos);

    const QString gif = folder.filePath("anim.gif");
    WriteFileAtomically(gif.toStdString(), std::string("GIF89a"));
    EXPECT_NE(loadError(gif).find("anim.gif: Unsupported picture format"), std::string::npos);

    EXPECT_NE(loadError(folder.filePath("missing.jpg")).find("missing.jpg"), std::string::npos);
}
