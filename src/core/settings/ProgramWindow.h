#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/bytes/FixedRecord.h"

namespace tavrin {

// The quiz program's main window: title, icon, help file, the video mode
// advisory and the background screen. It lies at byte 3660 of the quiz
// settings; offsets are written as positions within the settings minus that.
class ProgramWindow : public FixedRecord<700> {
public:
    static constexpr std::size_t kStart = 3660;
    static constexpr std::size_t kTitleCapacity = 80;
    static constexpr std::size_t kFileCapacity = 150;

    std::string programTitle() const { return stringAt(3660 - kStart, kTitleCapacity); }
    void setProgramTitle(std::string_view v) { setStringAt(3660 - kStart, kTitleCapacity, v); }

    bool useIcon() const { return flagAt(3741 - kStart); }
    void setUseIcon(bool v) { setFlagAt(3741 - kStart, v); }
    std::string iconFile() const { return stringAt(3742 - kStart, kFileCapacity); }
    void setIconFile(std::string_view v) { setStringAt(3742 - kStart, kFileCapacity, v); }

    bool useHelpFile() const { return flagAt(3893 - kStart); }
    void setUseHelpFile(bool v) { setFlagAt(3893 - kStart, v); }
    std::string helpFile() const { return stringAt(3894 - kStart, kFileCapacity); }
    void setHelpFile(std::string_view v) { setStringAt(3894 - kStart, kFileCapacity, v); }
    // Context number the help file opens at; at least 1 when a help file is used.
    std::int32_t helpStartTopic() const { return i32At(4045 - kStart); }
    void setHelpStartTopic(std::int32_t v) { setI32At(4045 - kStart, v); }

    bool showVideoAdvisory() const { return flagAt(4049 - kStart); }
    void setShowVideoAdvisory(bool v) { setFlagAt(4049 - kStart, v); }

    // 1 plain colour, 2 graphic, 3 wallpaper.
    std::int32_t backgroundKind() const { return i32At(4050 - kStart); }
    void setBackgroundKind(std::int32_t v) { setI32At(4050 - kStart, v); }
    std::uint32_t backgroundColour() const { return u32At(4054 - kStart); }
    void setBackgroundColour(std::uint32_t v) { setU32At(4054 - kStart, v); }
    std::string backgroundGraphic() const { return stringAt(4058 - kStart, kFileCapacity); }
    void setBackgroundGraphic(std::string_view v) { setStringAt(4058 - kStart, kFileCapacity, v); }
    std::string backgroundWallpaper() const { return stringAt(4209 - kStart, kFileCapacity); }
    void setBackgroundWallpaper(std::string_view v) {
        setStringAt(4209 - kStart, kFileCapacity, v);
    }

    // A plain grey background, nothing else set.
    void setBackgroundDefaults() {
        setBackgroundKind(1);
        setBackgroundColour(0xC0C0C0);
    }
};

} // namespace tavrin
