#pragma once

#include "core/media/JpegEncoder.h"

#include <cstdint>
#include <vector>

namespace tavrin::testing {

// Encodes a picture made of four quadrants: red, green, blue and white.
inline std::vector<std::uint8_t>
encodeQuadrants(int width, int height, JpegSamples::Colours colours, bool progressive = false) {
    JpegSamples picture{width, height, colours, {}};
    const int components = JpegSamples::Components(colours);
    picture.samples.resize(static_cast<std::size_t>(width) * height * components);
    for (int y = 0; y < height; ++y) {
        const bool top = y < height / 2;
        for (int x = 0; x < width; ++x) {
            const bool left = x < width / 2;
            std::uint8_t* pixel =
                &picture.samples[(static_cast<std::size_t>(y) * width + x) * components];
            if (colours == JpegSamples::Colours::Grey) {
                pixel[0] = left ? 0 : 255;
                continue;
            }
            pixel[0] = (top && left) || (!top && !left) ? 255 : 0;
            pixel[1] = !left ? 255 : 0;
            pixel[2] = !top ? 255 : 0;
            if (colours == JpegSamples::Colours::Cmyk)
                pixel[3] = 255; // inverted as Adobe stores it: no black ink
        }
    }
    return EncodeJpeg(picture, 95, progressive);
}

} // namespace tavrin::testing
