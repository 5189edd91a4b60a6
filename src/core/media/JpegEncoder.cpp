#include "core/media/JpegEncoder.h"

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace tavrin {

namespace {

J_COLOR_SPACE ColourSpace(JpegSamples::Colours colours) {
    switch (colours) {
    case JpegSamples::Colours::Grey:
        return JCS_GRAYSCALE;
    case JpegSamples::Colours::Cmyk:
        return JCS_CMYK;
    case JpegSamples::Colours::Rgb:
        break;
    }
    return JCS_RGB;
}

} // namespace

std::vector<std::uint8_t> EncodeJpeg(const JpegSamples& picture, int quality, bool progressive) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    const int components = JpegSamples::Components(picture.colours);
    info.image_width = static_cast<JDIMENSION>(picture.width);
    info.image_height = static_cast<JDIMENSION>(picture.height);
    info.input_components = components;
    info.in_color_space = ColourSpace(picture.colours);
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    const std::size_t rowBytes = static_cast<std::size_t>(picture.width) * components;
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(picture.samples.data() + info.next_scanline * rowBytes);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<std::uint8_t> bytes(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return bytes;
}

} // namespace tavrin
