#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/bytes/FixedRecord.h"
#include "core/settings/AboutBoxDesign.h"
#include "core/settings/CommandRecord.h"
#include "core/settings/IntroScreenDesign.h"

namespace tavrin {

// How the quiz program presents itself around the quiz: the introduction,
// the opening and closing commands, the about box and the texts of its menu
// buttons. It lies at byte 315 of the quiz settings; the offsets below are
// written as positions within the settings minus that start.
class ProgramScreens : public FixedRecord<3345> {
public:
    static constexpr std::size_t kStart = 315;
    static constexpr std::size_t kButtonTextCapacity = 16;
    static constexpr std::size_t kMediaInstructionCapacity = 25;

    bool showIntroduction() const { return flagAt(315 - kStart); }
    void setShowIntroduction(bool v) { setFlagAt(315 - kStart, v); }
    IntroScreenDesign introScreen() const { return recordAt<IntroScreenDesign>(316 - kStart); }
    void setIntroScreen(const IntroScreenDesign& v) { setRecordAt(316 - kStart, v); }

    bool runOpeningCommand() const { return flagAt(931 - kStart); }
    void setRunOpeningCommand(bool v) { setFlagAt(931 - kStart, v); }
    CommandRecord openingCommand() const { return recordAt<CommandRecord>(932 - kStart); }
    void setOpeningCommand(const CommandRecord& v) { setRecordAt(932 - kStart, v); }

    bool runClosingCommand() const { return flagAt(1942 - kStart); }
    void setRunClosingCommand(bool v) { setFlagAt(1942 - kStart, v); }
    CommandRecord closingCommand() const { return recordAt<CommandRecord>(1943 - kStart); }
    void setClosingCommand(const CommandRecord& v) { setRecordAt(1943 - kStart, v); }

    bool showAboutBox() const { return flagAt(2953 - kStart); }
    void setShowAboutBox(bool v) { setFlagAt(2953 - kStart, v); }
    AboutBoxDesign aboutBox() const { return recordAt<AboutBoxDesign>(2954 - kStart); }
    void setAboutBox(const AboutBoxDesign& v) { setRecordAt(2954 - kStart, v); }

    std::string aboutButtonText() const { return buttonText(3532); }
    void setAboutButtonText(std::string_view v) { setButtonText(3532, v); }
    std::string helpButtonText() const { return buttonText(3549); }
    void setHelpButtonText(std::string_view v) { setButtonText(3549, v); }
    std::string quitButtonText() const { return buttonText(3566); }
    void setQuitButtonText(std::string_view v) { setButtonText(3566, v); }
    std::string closeButtonText() const { return buttonText(3583); }
    void setCloseButtonText(std::string_view v) { setButtonText(3583, v); }
    std::string printButtonText() const { return buttonText(3600); }
    void setPrintButtonText(std::string_view v) { setButtonText(3600, v); }
    std::string findButtonText() const { return buttonText(3617); }
    void setFindButtonText(std::string_view v) { setButtonText(3617, v); }

    // The instruction shown with video and MIDI media ("Press the Start button").
    std::string mediaInstruction() const {
        return stringAt(3634 - kStart, kMediaInstructionCapacity);
    }
    void setMediaInstruction(std::string_view v) {
        setStringAt(3634 - kStart, kMediaInstructionCapacity, v);
    }

private:
    std::string buttonText(std::size_t absolute) const {
        return stringAt(absolute - kStart, kButtonTextCapacity);
    }
    void setButtonText(std::size_t absolute, std::string_view v) {
        setStringAt(absolute - kStart, kButtonTextCapacity, v);
    }
};

// Writes the default texts of the six menu buttons and the media instruction.
void InitButtonTexts(ProgramScreens& screens);

} // namespace tavrin
