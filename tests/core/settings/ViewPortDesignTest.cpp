#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/bytes/FileError.h"
#include "core/settings/ViewPortDesign.h"

namespace tavrin {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(ViewPortDesignRecord, ReadsFieldsFromBytesLaidOutByHand) {
    Bytes raw(340, 0x00);
    const Bytes head = {0x10, 0x20, 0x30, 0x00, // VPBack
                        0x00,                   // not full screen
                        0x03, 0x00, 0x00, 0x00, // wallpaper
                        0x01, 0x02, 0x03, 0x00, // Sbackcolor
                        0x05, 'A',  '.',  'J',  'P', 'G'};
    std::copy(head.begin(), head.end(), raw.begin());
    const Bytes wallpaper = {0x05, 'W', '.', 'B', 'M', 'P'};
    std::copy(wallpaper.begin(), wallpaper.end(), raw.begin() + 164);
    const Bytes tail = {0xFF, 0xFF, 0xFF, 0xFF, // VPLeft -1
                        0x02, 0x00, 0x00, 0x00, // VPTop
                        0x80, 0x02, 0x00, 0x00, // VPWidth 640
                        0xE0, 0x01, 0x00, 0x00, // VPHeight 480
                        0x07, 0x00, 0x00, 0x00, // RLTop
                        0x08, 0x00, 0x00, 0x00, // RLLeft
                        0x09};                  // print
    std::copy(tail.begin(), tail.end(), raw.begin() + 315);

    const ViewPortDesign design = ViewPortDesign::FromBytes(raw);
    EXPECT_EQ(design.vpBack(), 0x302010u);
    EXPECT_FALSE(design.fullscreen());
    EXPECT_EQ(design.displaytype(), ViewPortDesign::kWallpaper);
    EXPECT_EQ(design.sBackColor(), 0x030201u);
    EXPECT_EQ(design.sGraphic(), "A.JPG");
    EXPECT_EQ(design.sWallpaper(), "W.BMP");
    EXPECT_EQ(design.vpLeft(), -1);
    EXPECT_EQ(design.vpTop(), 2);
    EXPECT_EQ(design.vpWidth(), 640);
    EXPECT_EQ(design.vpHeight(), 480);
    EXPECT_EQ(design.rlTop(), 7);
    EXPECT_EQ(design.rlLeft(), 8);
    EXPECT_EQ(design.print(), 9);
    EXPECT_EQ(Bytes(design.bytes().begin(), design.bytes().end()), raw);

    EXPECT_THROW(ViewPortDesign::FromBytes(Bytes(339, 0)), FormatError);
}

} // namespace
} // namespace tavrin
