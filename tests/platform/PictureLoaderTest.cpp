#include "platform/PictureLoader.h"
#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

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
    const QString jpeg = folder.filePath("photo.bmp");
    WriteFileAtomically(jpeg.toStdString(), tavrin::testing::encodeQuadrants(
                                                32, 32, tavrin::JpegSamples::Colours::Rgb));
    const QImage photo = PictureLoader::Load(jpeg);
    ASSERT_EQ(photo.size(), QSize(32, 32));
    expectNear(photo.pixel(4, 4), 255, 0, 0);
    expectNear(photo.pixel(28, 28), 255, 255, 255);

    const QString bitmap = folder.filePath("drawing.Jpg");
    QImage source(8, 4, QImage::Format_RGB32);
    source.fill(QColor(10, 200, 30));
    ASSERT_TRUE(source.save(bitmap, "BMP"));
    EXPECT_EQ(QColor(PictureLoader::Load(bitmap).pixel(7, 3)), QColor(10, 200, 30));
}

TEST(PictureLoader, FailuresNameTheFile) {
    QTemporaryDir folder;
    std::vector<std::uint8_t> jpeg =
        tavrin::testing::encodeQuadrants(32, 32, tavrin::JpegSamples::Colours::Rgb);
    const struct {
        const char* file;
        std::optional<std::string> bytes; // none: the file is missing
        const char* says;
    } cases[] = {
        {"broken.jpg", std::string(jpeg.begin(), jpeg.begin() + jpeg.size() / 2), "broken.jpg"},
        {"text.bmp", "not a picture", "text.bmp"},
        {"clip.wmf", std::string("\xD7\xCD\xC6\x9A", 4), "clip.wmf: Windows metafile"},
        {"anim.gif", "GIF89a", "anim.gif: Unsupported picture format"},
        {"missing.jpg", std::nullopt, "missing.jpg"},
    };
    for (const auto& c : cases) {
        const QString path = folder.filePath(c.file);
        if (c.bytes)
            WriteFileAtomically(path.toStdString(), *c.bytes);
        EXPECT_NE(loadError(path).find(c.says), std::string::npos) << c.file;
    }
}
