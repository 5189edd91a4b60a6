#include "platform/PictureLoader.h"

#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"
#include "core/media/JpegDecoder.h"

#include <QFileInfo>

#include <cstring>
#include <filesystem>
#include <limits>

namespace tavrin {
namespace {

std::filesystem::path toPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

QImage toQImage(const RgbImage& picture) {
    QImage image(picture.width, picture.height, QImage::Format_RGB888);
    const std::size_t stride = static_cast<std::size_t>(picture.width) * 3;
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(image.scanLine(y), picture.pixels.data() + stride * y, stride);
    return image;
}

bool looksLikeJpeg(const std::vector<std::uint8_t>& bytes) {
    return bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF;
}

QImage decodeBitmap(const QString& name, const std::vector<std::uint8_t>& bytes) {
    QImage image;
    if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()) ||
        !image.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "BMP"))
        throw FileError(toPath(name), "Cannot decode the bitmap picture");
    return image;
}

} // namespace

QImage PictureLoader::Load(const QString& path) {
    return FromBytes(path, ReadFileBytes(toPath(path)));
}

QImage PictureLoader::FromBytes(const QString& name, const std::vector<std::uint8_t>& bytes) {
    const QString extension = QFileInfo(name).suffix().toUpper();
    if (extension == "WMF")
        throw FileError(toPath(name), "Windows metafile pictures cannot be shown; "
                                      "use a .BMP or .JPG picture instead");
    if (extension != "JPG" && extension != "JPEG" && extension != "BMP")
        throw FileError(toPath(name), "Unsupported picture format; use a .BMP or .JPG picture");
    // A picture saved under the other of the two extensions still shows.
    const bool bitmap = bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
    if (bitmap || (extension == "BMP" && !looksLikeJpeg(bytes)))
        return decodeBitmap(name, bytes);
    try {
        return toQImage(JpegDecoder::Decode(bytes));
    } catch (const FormatError& error) {
        throw FileError(toPath(name), error.what());
    }
}

} // namespace tavrin
