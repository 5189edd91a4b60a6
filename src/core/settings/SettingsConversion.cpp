#include "core/settings/SettingsConversion.h"

#include <algorithm>
#include <vector>

#include "core/bytes/FileError.h"
#include "core/bytes/LittleEndian.h"

namespace tavrin {
namespace {

// Copies fields from the earlier record into the bytes of the new one.
class FieldCopier {
public:
    FieldCopier(std::span<const std::uint8_t> from, std::vector<std::uint8_t>& to)
        : from_(from), to_(to) {}

    void block(std::size_t source, std::size_t target, std::size_t width) {
        le::requireRange(from_.size(), source, width);
        le::requireRange(to_.size(), target, width);
        std::copy_n(from_.begin() + static_cast<std::ptrdiff_t>(source), width,
                    to_.begin() + static_cast<std::ptrdiff_t>(target));
    }

    // A string[capacity] copied into a field at least as wide; a damaged length
    // byte is cut to the earlier capacity so no stray bytes become text.
    void string(std::size_t source, std::size_t target, std::size_t capacity) {
        block(source, target, capacity + 1);
        to_[target] = static_cast<std::uint8_t>(std::min<std::size_t>(to_[target], capacity));
    }

private:
    std::span<const std::uint8_t> from_;
    std::vector<std::uint8_t>& to_;
};

void copyTextWindow(FieldCopier& copy, std::vector<std::uint8_t>& to) {
    constexpr std::size_t from = 590;
    constexpr std::size_t into = 590;
    copy.block(from + 0, into + 0, 13);     // colour, full screen, kind, background colour
    copy.string(from + 13, into + 13, 12);  // graphic
    copy.string(from + 26, into + 164, 12); // wallpaper
    copy.block(from + 39, into + 315, 16);  // left, top, width, height
    le::putI32(to, into + 331, 1);          // RLTop
    le::putI32(to, into + 335, 1);          // RLLeft
    copy.block(from + 67, into + 339, 1);   // print
}

void copyCommand(FieldCopier& copy, std::size_t from, std::size_t into) {
    copy.block(from + 0, into + 0, 2); // command type
    copy.string(from + 2, into + 2, 12);
    copy.string(from + 15, into + 153, 12);
    copy.string(from + 28, into + 304, 12);
    copy.string(from + 41, into + 455, 12);
    copy.string(from + 54, into + 606, 50); // program command
    copy.block(from + 105, into + 807, 2);  // display option
    copy.string(from + 107, into + 809, 60);
}

void copyAboutBox(FieldCopier& copy) {
    constexpr std::size_t from = 998;
    constexpr std::size_t into = 2954;
    copy.block(from + 0, into + 0, 2); // when to show
    copy.string(from + 2, into + 2, 40);
    copy.block(from + 43, into + 43, 1); // use icon
    copy.string(from + 44, into + 44, 12);
    copy.string(from + 57, into + 195, 32);
    copy.string(from + 90, into + 228, 42);
    copy.string(from + 133, into + 271, 42);
    for (std::size_t line = 0; line < 4; ++line)
        copy.string(from + 176 + 66 * line, into + 314 + 66 * line, 65);
}

void copyProgramWindow(FieldCopier& copy) {
    constexpr std::size_t from = 1566;
    copy.string(from + 0, 3660, 80);  // title
    copy.block(from + 81, 3741, 1);   // use icon
    copy.string(from + 82, 3742, 12); // icon
    copy.block(from + 95, 3893, 1);   // use help file
    copy.string(from + 96, 3894, 12); // help file
    copy.block(from + 109, 4045, 4);  // starting topic
    copy.block(from + 113, 4049, 1);  // video advisory
}

void requireEarlierRecord(std::span<const std::uint8_t> earlier) {
    static constexpr std::uint8_t kVersion[] = {4, '2', '.', '0', '1'};
    if (earlier.size() < kEarlierSettingsSize)
        throw FormatError("earlier quiz settings hold " + std::to_string(earlier.size()) +
                          " bytes where " + std::to_string(kEarlierSettingsSize) + " are expected");
    if (!std::equal(std::begin(kVersion), std::end(kVersion), earlier.begin()))
        throw FormatError("quiz settings are not of the earlier version 2.01");
}

CommandRecord withConvertedCommandLine(CommandRecord command) {
    const std::int16_t type = command.commandType();
    command.setRunCommand(ConvertEarlierCommandLine(type, command.runCommand()));
    // The program field of a program command is read up to its comma when the
    // quiz is distributed, so its arguments need the comma as well.
    if (type == 0 || type == 4)
        command.setProgramCommand(ConvertEarlierCommandLine(type, command.programCommand()));
    return command;
}

} // namespace

std::string ConvertEarlierCommandLine(std::int16_t commandType, std::string_view command) {
    const int blanks = commandType == 9 ? 0 : commandType == 6 ? 2 : 1;
    std::string converted(command);
    std::size_t from = 0;
    for (int i = 0; i < blanks; ++i) {
        const auto blank = converted.find(' ', from);
        if (blank == std::string::npos)
            break;
        converted[blank] = ',';
        from = blank + 1;
    }
    return converted;
}

QuizSettings ConvertEarlierSettings(std::span<const std::uint8_t> earlier,
                                    std::string_view formatVersion) {
    requireEarlierRecord(earlier);
    std::vector<std::uint8_t> bytes(QuizSettings::size, 0);
    FieldCopier copy(earlier, bytes);
    copy.block(5, 5, 310);     // quiz screens, results, score groups
    copy.block(315, 315, 275); // introduction flag, title and status bars
    copyTextWindow(copy, bytes);
    copy.block(658, 930, 2); // use menu bar, opening flag
    copyCommand(copy, 660, 932);
    copy.block(828, 1942, 1); // closing flag
    copyCommand(copy, 829, 1943);
    copy.block(997, 2953, 1); // about flag
    copyAboutBox(copy);
    copy.block(1438, 3532, 128); // button texts and media instruction
    copyProgramWindow(copy);
    copy.block(1680, 4360, 598); // custom texts

    QuizSettings settings;
    settings.assignBytes(bytes);
    settings.setSettingsVersion(formatVersion);
    ProgramScreens screens = settings.programScreens();
    screens.setOpeningCommand(withConvertedCommandLine(screens.openingCommand()));
    screens.setClosingCommand(withConvertedCommandLine(screens.closingCommand()));
    settings.setProgramScreens(screens);
    ProgramWindow window = settings.programWindow();
    window.setBackgroundDefaults();
    settings.setProgramWindow(window);
    return settings;
}

} // namespace tavrin
