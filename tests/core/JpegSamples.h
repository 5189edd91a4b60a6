#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace tavrin::testing {

// Encodes a picture made of four quadrants: red, green, blue and white.
inline std::vector<std::uint8_t> encodeQuadrants(int width, int height, J_COLOR_SPACE space,
                                                 bool progressive = false) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = space == JCS_GRAYSCALE ? 1 : space == JCS_CMYK ? 4 : 3;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * info.input_components);
    while (info.next_scanline < info.image_height) {
        const bool top = info.next_scanline < static_cast<JDIMENSION>(height / 2);
        for (int x = 0; x < width; ++x) {
            const bool left = x < width / 2;
            const JSAMPLE r = (top && left) || (!top && !left) ? 255 : 0;
            const JSAMPLE g = (top && !left) || (!top && !left) ? 255 : 0;
            const JSAMPLE b = (!top) ? 255 : 0;
            const int components = info.input_components;
            if (space == JCS_GRAYSCALE) {
                row[x] = left ? 0 : 255;
                continue;
            }
            row[x * components] = r;
            row[x * components + 1] = g;
            row[x * components + 2] = b;
            if (space == JCS_CMYK)
                row[x * components + 3] = 255; // inverted as Adobe stores it: no black ink
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<std::uint8_t> bytes(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return bytes;
}

} // namespace tavrin::testing
