#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/bytes/FixedRecord.h"

namespace tavrin {

// An opening or closing command of the quiz program, as the command type
// dialog fills it. Each command type keeps its files in fields of its own;
// `runCommand` is what the runner executes and decides whether the command is
// defined at all.
class CommandRecord : public FixedRecord<1010> {
public:
    static constexpr std::size_t kFileCapacity = 150;
    static constexpr std::size_t kCommandCapacity = 200;

    // 2 graphic only, 3 voice only, 4 executable (9 and 10 its variants),
    // 6 graphic and sound.
    std::int16_t commandType() const { return i16At(0); }
    void setCommandType(std::int16_t v) { setI16At(0, v); }
    // The type a dialog shows: an unset type (0) counts as an executable.
    std::int16_t shownCommandType() const { return commandType() == 0 ? 4 : commandType(); }

    std::string graphicFile() const { return stringAt(2, kFileCapacity); }
    void setGraphicFile(std::string_view v) { setStringAt(2, kFileCapacity, v); }
    std::string graphicAndSoundGraphic() const { return stringAt(153, kFileCapacity); }
    void setGraphicAndSoundGraphic(std::string_view v) { setStringAt(153, kFileCapacity, v); }
    std::string voiceFile() const { return stringAt(304, kFileCapacity); }
    void setVoiceFile(std::string_view v) { setStringAt(304, kFileCapacity, v); }
    std::string graphicAndSoundSound() const { return stringAt(455, kFileCapacity); }
    void setGraphicAndSoundSound(std::string_view v) { setStringAt(455, kFileCapacity, v); }
    std::string programCommand() const { return stringAt(606, kCommandCapacity); }
    void setProgramCommand(std::string_view v) { setStringAt(606, kCommandCapacity, v); }

    // Display option returned by the graphic choosers.
    std::int16_t displayOption() const { return i16At(807); }
    void setDisplayOption(std::int16_t v) { setI16At(807, v); }

    std::string runCommand() const { return stringAt(809, kCommandCapacity); }
    void setRunCommand(std::string_view v) { setStringAt(809, kCommandCapacity, v); }
    bool isDefined() const { return !runCommand().empty(); }
};

} // namespace tavrin
