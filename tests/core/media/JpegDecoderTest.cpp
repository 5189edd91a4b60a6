#include "core/media/JpegDecoder.h"
#include "core/bytes/FileError.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/core/JpegSamples.h"

using namespace tavrin;

namespace {

using tavrin::testing::encodeQuadrants;

void expectPixelNear(const RgbImage& image, int x, int y, int r, int g, int b) {
    const std::size_t at = (static_cast<std::size_t>(y) * image.width + x) * 3;
    EXPECT_NEAR(image.pixels[at], r, 12) << "red at " << x << "," << y;
    EXPECT_NEAR(image.pixels[at + 1], g, 12) << "green at " << x << "," << y;
    EXPECT_NEAR(image.pixels[at + 2], b, 12) << "blue at " << x << "," << y;
}

void expectQuadrants(const RgbImage& image) {
    expectPixelNear(image, 4, 4, 255, 0, 0);                                  // top left red
    expectPixelNear(image, image.width - 4, 4, 0, 255, 0);                    // top right green
    expectPixelNear(image, 4, image.height - 4, 0, 0, 255);                   // bottom left blue
    expectPixelNear(image, image.width - 4, image.height - 4, 255, 255, 255); // white
}

std::string decodeError(const std::vector<std::uint8_t>& bytes) {
    try {
        JpegDecoder::Decode(bytes);
    } catch (const FormatError& error) {
        return error.what();
    }
    return "";
}

} // namespace

TEST(JpegDecoder, DecodesBaselineProgressiveGreyAndCmykPictures) {
    const RgbImage image = JpegDecoder::Decode(encodeQuadrants(64, 48, JpegSamples::Colours::Rgb));
    ASSERT_EQ(image.width, 64);
    ASSERT_EQ(image.height, 48);
    ASSERT_EQ(image.pixels.size(), 64u * 48u * 3u);
    expectQuadrants(image);
    expectQuadrants(JpegDecoder::Decode(encodeQuadrants(40, 32, JpegSamples::Colours::Rgb, true)));
    // Stored inverted (Adobe): C' M' Y' = R G B and K' = 255 give back R G B.
    expectQuadrants(JpegDecoder::Decode(encodeQuadrants(32, 32, JpegSamples::Colours::Cmyk)));
    const RgbImage grey = JpegDecoder::Decode(encodeQuadrants(32, 16, JpegSamples::Colours::Grey));
    ASSERT_EQ(grey.pixels.size(), 32u * 16u * 3u);
    expectPixelNear(grey, 2, 8, 0, 0, 0);
    expectPixelNear(grey, 30, 8, 255, 255, 255);
}

TEST(JpegDecoder, TruncatedDamagedOrForeignDataIsRefused) {
    std::vector<std::uint8_t> bytes = encodeQuadrants(64, 64, JpegSamples::Colours::Rgb);
    std::vector<std::uint8_t> damaged = bytes;
    for (std::size_t i = bytes.size() / 2; i < bytes.size() / 2 + 40; ++i)
        damaged[i] = 0xFF; // marker bytes in the middle of the scan data
    EXPECT_NE(decodeError(damaged), "");
    bytes.resize(bytes.size() * 2 / 3);
    EXPECT_NE(decodeError(bytes).find("Cannot decode the JPEG picture"), std::string::npos);
    bytes.resize(100); // inside the headers
    EXPECT_NE(decodeError(bytes), "");
    EXPECT_NE(decodeError({}), "");
    EXPECT_NE(decodeError({'B', 'M', 0, 0, 0, 0}).find("JPEG"), std::string::npos);
}

TEST(JpegDecoder, HugeDeclaredSizeIsRefusedBeforeDecoding) {
    std::vector<std::uint8_t> bytes = encodeQuadrants(16, 16, JpegSamples::Colours::Rgb);
    // The start-of-frame marker FF C0: length(2) precision(1) height(2) width(2).
    for (std::size_t i = 0; i + 8 < bytes.size(); ++i) {
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) {
            bytes[i + 5] = bytes[i + 7] = 0xFF; // 65280+ x 65280+ pixels
            break;
        }
    }
    EXPECT_NE(decodeError(bytes).find("too large"), std::string::npos);
}
