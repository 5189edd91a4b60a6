#pragma once

#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

namespace tavrin {

// Loads the pictures a quiz shows: .BMP through Qt's reader, .JPG and .JPEG
// through our own JPEG decoder; the content decides between the two, so a
// picture saved under the other extension still shows. Every failure,
// including a format that is not offered (.WMF and the rest), throws
// FileError naming the file.
class PictureLoader {
public:
    static QImage Load(const QString& path);

    // For bytes already in memory (a picture inside a compiled quiz); `name`
    // gives the format by its extension and names the picture in errors.
    static QImage FromBytes(const QString& name, const std::vector<std::uint8_t>& bytes);
};

} // namespace tavrin
