#pragma once

#include <cstdint>
#include <vector>

namespace tavrin {

// Samples to encode: rows top to bottom, `Components(colours)` bytes per pixel.
struct JpegSamples {
    enum class Colours { Grey, Rgb, Cmyk };
    int width = 0;
    int height = 0;
    Colours colours = Colours::Rgb;
    std::vector<std::uint8_t> samples;

    static int Components(Colours colours) {
        return colours == Colours::Grey ? 1 : colours == Colours::Cmyk ? 4 : 3;
    }
};

// Encodes samples as a JPEG file's bytes; the example quizzes and the picture
// tests both need real pictures made on the spot.
std::vector<std::uint8_t> EncodeJpeg(const JpegSamples& picture, int quality,
                                     bool progressive = false);

} // namespace tavrin
