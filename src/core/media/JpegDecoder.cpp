#include "core/media/JpegDecoder.h"

#include "core/bytes/FileError.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <string>

#include <jpeglib.h>

namespace tavrin {
namespace {

// libjpeg reports errors through callbacks that must not return; the jump
// leaves the decoder for the one frame that set it up, which holds only
// trivially destructible objects.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void failDecoding(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void onMessage(j_common_ptr info, int level) {
    if (level < 0) // a warning: corrupt or missing data that the decoder would paper over
        failDecoding(info);
}

void convertCmykRow(const JSAMPLE* cmyk, std::uint8_t* rgb, JDIMENSION width, bool inverted) {
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
        const int k = inverted ? cmyk[3] : 255 - cmyk[3];
        for (int channel = 0; channel < 3; ++channel) {
            const int c = inverted ? cmyk[channel] : 255 - cmyk[channel];
            rgb[channel] = static_cast<std::uint8_t>(c * k / 255);
        }
    }
}

// Returns false with manager.message filled when libjpeg gave up.
bool decodeInto(jpeg_decompress_struct& info, ErrorManager& manager, const std::uint8_t* data,
                std::size_t size, RgbImage& image, std::vector<JSAMPLE>& row) {
    if (setjmp(manager.jump))
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    const std::size_t pixels = std::size_t{info.image_width} * info.image_height;
    if (pixels > JpegDecoder::kMaxPixels) {
        std::snprintf(manager.message, sizeof manager.message, "Picture too large (%u x %u)",
                      info.image_width, info.image_height);
        return false;
    }
    jpeg_start_decompress(&info);
    image.width = static_cast<int>(info.output_width);
    image.height = static_cast<int>(info.output_height);
    const std::size_t stride = std::size_t{info.output_width} * 3;
    image.pixels.resize(stride * info.output_height);
    row.resize(std::size_t{info.output_width} * info.output_components);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {row.data()};
        std::uint8_t* target = image.pixels.data() + stride * info.output_scanline;
        jpeg_read_scanlines(&info, rows, 1);
        if (cmyk)
            convertCmykRow(row.data(), target, info.output_width, info.saw_Adobe_marker);
        else
            std::copy(row.begin(), row.begin() + static_cast<std::ptrdiff_t>(stride), target);
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

RgbImage JpegDecoder::Decode(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        throw FormatError("Not a JPEG picture: the file is empty");
    jpeg_decompress_struct info{};
    ErrorManager manager{};
    info.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = failDecoding;
    manager.base.emit_message = onMessage;
    RgbImage image;
    std::vector<JSAMPLE> row;
    const bool decoded = decodeInto(info, manager, data, size, image, row);
    jpeg_destroy_decompress(&info);
    if (!decoded)
        throw FormatError(std::string("Cannot decode the JPEG picture: ") + manager.message);
    return image;
}

} // namespace tavrin
