#include "platform/PictureLoader.h"
#include "core/FileError.h"
#include "core/FileIO.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

#include <jpeglib.h>

using namespace tavrin;

namespace {

// A 20 x 10 picture: left half orange (255, 128, 0), right half dark blue (0, 0, 128).
std::vector<std::uint8_t> encodeJpeg() {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = 20;
    info.image_height = 10;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    JSAMPLE row[20 * 3];
    for (int x = 0; x < 20; ++x) {
        row[x * 3] = x < 10 ? 255 : 0;
        row[x * 3 + 1] = x < 10 ? 128 : 0;
        row[x * 3 + 2] = x < 10 ? 0 : 128;
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {row};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<std::uint8_t> bytes(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return bytes;
}

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

TEST(PictureLoader, LoadsJpegWithAnyCaseOfExtension) {
    QTemporaryDir folder;
    const QString path = folder.filePath("photo.Jpg");
    WriteFileAtomically(path.toStdString(), encodeJpeg());
    const QImage image = PictureLoader::Load(path);
    ASSERT_EQ(image.size(), QSize(20, 10));
    expectNear(image.pixel(2, 5), 255, 128, 0);
    expectNear(image.pixel(17, 5), 0, 0, 128);
}

TEST(PictureLoader, LoadsBitmap) {
    QTemporaryDir folder;
    const QString path = folder.filePath("PICTURE.BMP");
    QImage source(8, 4, QImage::Format_RGB32);
    source.fill(QColor(10, 200, 30));
    source.setPixelColor(7, 3, QColor(255, 255, 255));
    ASSERT_TRUE(source.save(path, "BMP"));
    const QImage image = PictureLoader::Load(path);
    ASSERT_EQ(image.size(), QSize(8, 4));
    EXPECT_EQ(QColor(image.pixel(0, 0)), QColor(10, 200, 30));
    EXPECT_EQ(QColor(image.pixel(7, 3)), QColor(255, 255, 255));
}

TEST(PictureLoader, PictureUnderTheOtherExtensionStillShows) {
    QTemporaryDir folder;
    const QString jpegAsBitmap = folder.filePath("photo.bmp");
    WriteFileAtomically(jpegAsBitmap.toStdString(), encodeJpeg());
    EXPECT_EQ(PictureLoader::Load(jpegAsBitmap).size(), QSize(20, 10));

    const QString bitmapAsJpeg = folder.filePath("drawing.jpg");
    QImage source(3, 2, QImage::Format_RGB32);
    source.fill(Qt::red);
    ASSERT_TRUE(source.save(bitmapAsJpeg, "BMP"));
    EXPECT_EQ(PictureLoader::Load(bitmapAsJpeg).size(), QSize(3, 2));
}

TEST(PictureLoader, FailuresNameTheFile) {
    QTemporaryDir folder;
    std::vector<std::uint8_t> truncated = encodeJpeg();
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
