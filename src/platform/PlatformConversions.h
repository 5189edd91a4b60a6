#pragma once

#include <QColor>
#include <QFont>
#include <QStringList>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/settings/FontSpec.h"

namespace tavrin {

// Colour values are 0x00BBGGRR (red in the low byte). A system-colour code
// (top bit set, the system index in the low byte) gives the colour the
// desktop uses for that part of a window; any other high byte is ignored.
// Every screen and editor turns stored colours into QColor here.
QColor ColourFromValue(std::uint32_t value);
std::uint32_t ValueFromColour(const QColor& colour);

// Font size in points, face and style bits; the colour lives outside QFont.
QFont FontFromSpec(const FontSpec& spec);
// `colour` is carried over unchanged, since a font dialog does not choose one.
FontSpec SpecFromFont(const QFont& font, std::int32_t colour);

// The program and its arguments of a Windows-style command line. A program
// named without a folder that lies in `workingFolder` (in any case) is given
// with its full path there, as the system the command lines come from would
// find it first.
QStringList ProgramAndArguments(const QString& commandLine, const QString& workingFolder);

// Texts are stored in Windows-1252 and shown in Unicode.
QString ShownText(std::string_view stored);
std::string StoredText(const QString& shown);

} // namespace tavrin
