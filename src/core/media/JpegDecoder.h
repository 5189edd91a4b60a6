#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tavrin {

// A decoded picture: rows top to bottom, three bytes (red, green, blue) per pixel.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
};

// Decodes a JPEG file's bytes. A damaged, truncated or unsupported picture
// throws FormatError with the decoder's reason; the decoder's warnings count
// as errors, since on a truncated file it would otherwise pad the picture
// with grey and report success.
class JpegDecoder {
public:
    static RgbImage Decode(const std::uint8_t* data, std::size_t size);
    static RgbImage Decode(const std::vector<std::uint8_t>& bytes) {
        return Decode(bytes.data(), bytes.size());
    }

    // Pictures larger than this many pixels are refused before any memory is taken.
    static constexpr std::size_t kMaxPixels = std::size_t{1} << 26;
};

} // namespace tavrin
