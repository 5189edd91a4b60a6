// Feeds arbitrary bytes to the JPEG decoder: it must either refuse them with
// FormatError or deliver a picture whose pixel buffer matches its size.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/bytes/FileError.h"
#include "core/media/JpegDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const tavrin::RgbImage image = tavrin::JpegDecoder::Decode(data, size);
        const auto expected = static_cast<std::size_t>(image.width) * image.height * 3;
        if (image.pixels.size() != expected)
            std::abort();
    } catch (const tavrin::FormatError&) {
    }
    return 0;
}
