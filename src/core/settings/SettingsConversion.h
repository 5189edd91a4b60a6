#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/settings/QuizSettings.h"

namespace tavrin {

// Size of the settings record of the earlier "2.01" format.
inline constexpr std::size_t kEarlierSettingsSize = 2278;

// Builds current settings from a "2.01" settings record: blocks that kept
// their layout are copied, file names widen to their current capacity,
// fields the earlier format lacked take their defaults, and command lines
// (and the program field of a program command) get commas where the earlier
// format separated their parts with blanks.
// Bytes beyond the first record are ignored. Data that is too short or does
// not start with the version "2.01" is a FormatError.
QuizSettings ConvertEarlierSettings(std::span<const std::uint8_t> earlier,
                                    std::string_view formatVersion = kFormatVersion);

// The earlier format separated the parts of a command line with blanks where
// the current one uses commas: "PIC.BMP 5" becomes "PIC.BMP,5". A graphic
// and sound command (type 6) has three parts, so its first two blanks change;
// a program with a document (type 9) still uses a blank and is kept.
std::string ConvertEarlierCommandLine(std::int16_t commandType, std::string_view command);

} // namespace tavrin
