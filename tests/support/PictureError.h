#pragma once

#include <QString>

#include "core/bytes/FileError.h"
#include "platform/PictureLoader.h"

namespace tavrin::test {

// The error the picture loader gives for this file, as the error box shows it.
inline QString PictureError(const QString& path) {
    try {
        PictureLoader::Load(path);
    } catch (const FileError& error) {
        return QString::fromStdString(error.what());
    }
    return {};
}

} // namespace tavrin::test
