#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/bytes/FixedRecord.h"
#include "core/settings/ViewPortDesign.h"

namespace tavrin {

// Layout of the quiz program's introduction screen: title and status bars,
// the text window with its background, and the menu bar switch. Fonts are
// stored as text ("16 0 1 Times New Roman"); see FontSpec.
class IntroScreenDesign : public FixedRecord<615> {
public:
    static constexpr std::size_t kBarTextCapacity = 80;
    static constexpr std::size_t kFontCapacity = 50;

    bool useTitleBar() const { return flagAt(0); }
    void setUseTitleBar(bool v) { setFlagAt(0, v); }
    std::string titleBarText() const { return stringAt(1, kBarTextCapacity); }
    void setTitleBarText(std::string_view v) { setStringAt(1, kBarTextCapacity, v); }
    std::string titleBarFont() const { return stringAt(82, kFontCapacity); }
    void setTitleBarFont(std::string_view v) { setStringAt(82, kFontCapacity, v); }
    std::uint32_t titleBarColour() const { return u32At(133); }
    void setTitleBarColour(std::uint32_t v) { setU32At(133, v); }

    bool useStatusBar() const { return flagAt(137); }
    void setUseStatusBar(bool v) { setFlagAt(137, v); }
    std::string statusBarText() const { return stringAt(138, kBarTextCapacity); }
    void setStatusBarText(std::string_view v) { setStringAt(138, kBarTextCapacity, v); }
    std::string statusBarFont() const { return stringAt(219, kFontCapacity); }
    void setStatusBarFont(std::string_view v) { setStringAt(219, kFontCapacity, v); }
    std::uint32_t statusBarColour() const { return u32At(270); }
    void setStatusBarColour(std::uint32_t v) { setU32At(270, v); }

    ViewPortDesign textWindow() const { return recordAt<ViewPortDesign>(274); }
    void setTextWindow(const ViewPortDesign& v) { setRecordAt(274, v); }

    bool useMenuBar() const { return flagAt(614); }
    void setUseMenuBar(bool v) { setFlagAt(614, v); }
};

// Defaults of a new quiz's introduction: bars off with grey colour and Times
// New Roman fonts, the default text window, menu bar on.
IntroScreenDesign DefaultIntroScreenDesign();

} // namespace tavrin
