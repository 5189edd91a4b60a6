#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/bytes/FixedRecord.h"

namespace tavrin {

// Places a text window on the 640 x 480 design area and describes the screen
// behind it. The same 340 bytes sit in display topics, in the introduction
// design of the quiz settings and in the screen designers.
class ViewPortDesign : public FixedRecord<340> {
public:
    // Background kinds of `displaytype`.
    enum BackgroundKind : std::int32_t { kPlainColour = 1, kGraphic = 2, kWallpaper = 3 };

    static constexpr std::size_t kGraphicCapacity = 150;

    // Takes exactly 340 bytes; anything else is a FormatError.
    static ViewPortDesign FromBytes(std::span<const std::uint8_t> raw);

    // Text window colour.
    std::uint32_t vpBack() const { return u32At(0); }
    void setVpBack(std::uint32_t v) { setU32At(0, v); }

    // Text fills the whole screen instead of sitting in the view port.
    bool fullscreen() const { return flagAt(4); }
    void setFullscreen(bool v) { setFlagAt(4, v); }

    std::int32_t displaytype() const { return i32At(5); }
    void setDisplaytype(std::int32_t v) { setI32At(5, v); }

    std::uint32_t sBackColor() const { return u32At(9); }
    void setSBackColor(std::uint32_t v) { setU32At(9, v); }

    // Picture stretched over the screen (.BMP or .JPG).
    std::string sGraphic() const { return stringAt(13, kGraphicCapacity); }
    void setSGraphic(std::string_view v) { setStringAt(13, kGraphicCapacity, v); }

    // Bitmap tiled over the screen.
    std::string sWallpaper() const { return stringAt(164, kGraphicCapacity); }
    void setSWallpaper(std::string_view v) { setStringAt(164, kGraphicCapacity, v); }

    std::int32_t vpLeft() const { return i32At(315); }
    void setVpLeft(std::int32_t v) { setI32At(315, v); }
    std::int32_t vpTop() const { return i32At(319); }
    void setVpTop(std::int32_t v) { setI32At(319, v); }
    std::int32_t vpWidth() const { return i32At(323); }
    void setVpWidth(std::int32_t v) { setI32At(323, v); }
    std::int32_t vpHeight() const { return i32At(327); }
    void setVpHeight(std::int32_t v) { setI32At(327, v); }

    // Carried for the players; nothing here reads them.
    std::int32_t rlTop() const { return i32At(331); }
    void setRlTop(std::int32_t v) { setI32At(331, v); }
    std::int32_t rlLeft() const { return i32At(335); }
    void setRlLeft(std::int32_t v) { setI32At(335, v); }
    std::uint8_t print() const { return u8At(339); }
    void setPrint(std::uint8_t v) { setU8At(339, v); }
};

// The design of a new text window: white, full screen, on a grey plain
// background, 400 x 200 at (120, 80).
ViewPortDesign DefaultViewPortDesign();

} // namespace tavrin
